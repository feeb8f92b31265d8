#!/usr/bin/env bash
# Tools for developing, not needed to build or test: screenshots of the
# program (ImageMagick) and 7z for re-deriving the food table (tools/data/).
set -euo pipefail
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends imagemagick p7zip-full
