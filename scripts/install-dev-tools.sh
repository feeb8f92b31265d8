#!/usr/bin/env bash
# Tools for looking at the program while developing (screenshots); not needed
# to build or test.
set -euo pipefail
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends imagemagick
