#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs
# every test headless.
#   --sanitize  builds in build-asan with AddressSanitizer (leak checks on)
#               and UndefinedBehaviorSanitizer and runs the tests there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

mode=normal
if [ "${1:-}" = "--sanitize" ]; then
  mode=sanitize
fi

if [ "$mode" = sanitize ]; then
  build=build-asan
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVAL_WERROR=ON \
    -DTORVAL_SANITIZE=ON -DTORVAL_BUILD_BENCH=OFF >/dev/null
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build=build
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVAL_WERROR=ON >/dev/null
fi
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)"
