#!/usr/bin/env bash
# Builds the checked tree (build-asan: AddressSanitizer and
# UndefinedBehaviorSanitizer, the benchmarks compiled but not run) and runs
# every test once in it, each test and every program it starts stopping at
# the first error; ends with CTest's summary and its exit status. Arguments
# go to ctest (e.g. -R Sorter).
#
# PEVRANO_SKIP_SANITIZERS=1 builds and tests the normal tree (build/, the
# one scripts/run.sh starts) instead: quicker, for a local run, and no check
# of memory errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test

if [ "${PEVRANO_SKIP_SANITIZERS:-0}" = 1 ]; then
  build=build
  options=()
else
  build=build-asan
  options=(-DPEVRANO_SANITIZE=ON -DPEVRANO_BUILD_BENCH=ON)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 600 -j2 "$@"
