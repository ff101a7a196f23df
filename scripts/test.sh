#!/usr/bin/env bash
# Builds the project and runs every test.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   clang with AddressSanitizer, UndefinedBehaviorSanitizer
#                                and the fuzz targets (bounded runs), in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."

mode=release
[[ ${1:-} == --sanitize ]] && mode=sanitize

jobs=$(nproc)
if [[ $mode == sanitize ]]; then
  dir=build-sanitize
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVORNA_SANITIZE=ON -DVORNA_FUZZ=ON -DVORNA_BENCH=OFF >/dev/null
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir" -j "$jobs"
ctest --test-dir "$dir" --output-on-failure -j "$jobs"
# The installed package, as another program of the handset uses it.
if [[ $mode == release ]]; then
  examples/check_installed.sh "$dir"
fi
