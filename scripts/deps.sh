#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when one is missing.
# Usage: deps.sh [engine|all]
#   engine  the command-line program (the demo)
#   all     also the unit tests, the desktop program and its tests (default)
set -euo pipefail
group=${1:-all}
engine=(g++ cmake ninja-build)
tests=(libgtest-dev unrtf clang-format-14)
# The desktop program: Qt 6 Widgets and Test, the translation tools that compile its
# languages, the toolkit's own translations (standard buttons), the MIME database it finds
# viewers with, and a font for rendering without a display.
desktop=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
         shared-mime-info fonts-dejavu-core)
case "$group" in
  engine) packages=("${engine[@]}") ;;
  all) packages=("${engine[@]}" "${tests[@]}" "${desktop[@]}") ;;
  *) echo "usage: $0 [engine|all]" >&2; exit 2 ;;
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
