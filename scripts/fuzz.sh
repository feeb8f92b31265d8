#!/usr/bin/env bash
# Fuzzes the program's readers with clang's libFuzzer (with AddressSanitizer
# and UndefinedBehaviorSanitizer) for a bounded time each. New inputs that
# widen the coverage, and any input that crashed, land in fuzz/corpus/<name>/,
# where the normal build's tests replay them.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (default 60 seconds, all targets)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
bash scripts/install-deps.sh
bash scripts/install-dev-tools.sh --fuzz

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTORVAL_BUILD_TESTS=OFF -DTORVAL_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" >/dev/null
cmake --build "$build" --target torval_core torval_rtf 2>/dev/null || cmake --build "$build" --target torval_core

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do
    n=$(basename "$f" _fuzz.cpp)
    targets+=("$n")
  done
fi

qt_flags=$(pkg-config --cflags --libs Qt6Core)
for name in "${targets[@]}"; do
  libs="$build/src/core/libtorval_core.a"
  if [ -f "$build/src/richtext/libtorval_rtf.a" ]; then
    libs="$build/src/richtext/libtorval_rtf.a $libs"
  fi
  bin="$build/fuzz_$name"
  # shellcheck disable=SC2086
  clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer \
    -Isrc -Ifuzz -DQT_NO_CAST_FROM_ASCII "fuzz/${name}_fuzz.cpp" $libs $qt_flags -o "$bin"
  mkdir -p "fuzz/corpus/$name"
  echo "== $name: $seconds s"
  "$bin" -max_total_time="$seconds" -max_len=65536 -artifact_prefix="fuzz/corpus/$name/crash-" \
    "fuzz/corpus/$name"
done
