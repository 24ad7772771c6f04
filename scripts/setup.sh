#!/usr/bin/env bash
# Installs what building, running and testing Quenlo needs on Debian 12,
# and only what is missing. Safe to run again and again.
set -euo pipefail

packages=(
  g++ cmake make ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev libgl-dev
  qt6-translations-l10n   # the toolkit's own texts (context menus, scroll bars) in German
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev  # the fuzz targets: clang with libFuzzer and the sanitizers
  fontconfig fonts-dejavu-core
  fonts-dancingscript     # stands in for "Handwriting - Dakota"
  fonts-kaushanscript     # stands in for "Mistral"
  fonts-liberation2       # stands in for "minion pro", "times" and "System"
  xvfb xdotool x11-utils xclip imagemagick  # the end-to-end tests: X server, input, clipboard, screenshots
  openbox xterm           # the end-to-end test of the hand-drawn curve: a window manager and another program
  libx11-dev time         # bench/startup: the first-paint probe and the peak memory
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
