#!/usr/bin/env bash
# Pictures of every page of the main window under Xvfb, at the starting size
# and at 150 % and 200 % scaling, into shots/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-shots}"
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target torval-screenshots torval_data
for scale in 1 1.5 2; do
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2000x1400x24" \
    ./build/torval-screenshots build/Data "$out/scale-$scale"
done
echo "Bilder in $out/"
