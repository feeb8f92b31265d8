#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs
# every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVAL_WERROR=ON >/dev/null
cmake --build build
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
