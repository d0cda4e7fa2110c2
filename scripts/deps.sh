#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when one is missing.
# Usage: deps.sh [engine|all|fuzz]
#   engine  the command-line program (the demo)
#   all     also the unit tests, the desktop program and its tests (default)
#   fuzz    the compiler and runtime of the fuzz programs (scripts/fuzz.sh); CI needs none
set -euo pipefail
group=${1:-all}
engine=(g++ cmake ninja-build)
# The tests read every document they write with real readers: HTML Tidy, Python's HTML
# parser and unrtf.
tests=(libgtest-dev unrtf tidy python3 clang-format-14)
# The desktop program: Qt 6 Widgets and Test, the MIME database it finds viewers with,
# and a font for rendering without a display.
desktop=(qt6-base-dev qt6-base-dev-tools shared-mime-info fonts-dejavu-core)
fuzz=(clang-14 libclang-rt-14-dev)
case "$group" in
  engine) packages=("${engine[@]}") ;;
  all) packages=("${engine[@]}" "${tests[@]}" "${desktop[@]}") ;;
  fuzz) packages=("${engine[@]}" "${fuzz[@]}") ;;
  *) echo "usage: $0 [engine|all|fuzz]" >&2; exit 2 ;;
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
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
