#!/bin/sh
# The entry for a machine that has nothing but git: installs make if it is
# missing, then hands over to the Makefile, whose targets install the rest.
#   ./make.sh run     builds and opens the window
#   ./make.sh test    builds and runs every test headless
set -eu
cd "$(dirname "$0")"
if ! command -v make >/dev/null 2>&1; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: make"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make
fi
exec make "$@"
