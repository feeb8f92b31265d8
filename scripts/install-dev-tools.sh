#!/usr/bin/env bash
# Tools for developing, not needed to build or test: screenshots of the
# program (ImageMagick) and 7z for re-deriving the food table (tools/data/);
# with --fuzz also clang and its fuzzing runtime (scripts/fuzz.sh).
set -euo pipefail
PACKAGES=(imagemagick p7zip-full)
if [ "${1:-}" = "--fuzz" ]; then
  PACKAGES=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
