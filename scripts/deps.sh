#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when one is missing.
# Usage: deps.sh [engine|all|fuzz|browser]
#   engine  the command-line program (the demo)
#   all     also the unit tests, the desktop program and its tests (default)
#   fuzz    the compiler and runtime of the fuzz programs (scripts/fuzz.sh); CI needs none
#   browser a browser and a word processor that render the examples
#           (scripts/browser-check.sh); CI needs none
set -euo pipefail
group=${1:-all}
apt_options=()
engine=(g++ cmake ninja-build)
# The tests read every document they write with real readers: HTML Tidy, Python's HTML
# parser and unrtf.
tests=(libgtest-dev unrtf tidy python3 clang-format-14)
# The desktop program: Qt 6 Widgets and Test, the translation tools that compile its
# languages, the toolkit's own translations (standard buttons), the MIME database it finds
# viewers with, and a font for rendering without a display.
desktop=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
         shared-mime-info fonts-dejavu-core)
fuzz=(clang-14 libclang-rt-14-dev)
# Liberation's fonts have the metrics of the fonts the RTF documents name; without them
# the word processor substitutes wider ones and cells wrap.
browser=(chromium libreoffice-writer-nogui fonts-liberation poppler-utils python3)
case "$group" in
  engine) packages=("${engine[@]}") ;;
  all) packages=("${engine[@]}" "${tests[@]}" "${desktop[@]}") ;;
  fuzz) packages=("${engine[@]}" "${fuzz[@]}") ;;
  # The office suite's recommendations are a desktop of their own; none is needed here.
  browser) packages=("${engine[@]}" "${browser[@]}") apt_options=(--no-install-recommends) ;;
  *) echo "usage: $0 [engine|all|fuzz|browser]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y ${apt_options[@]+"${apt_options[@]}"} \
      "${missing[@]}"
fi
