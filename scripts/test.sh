#!/usr/bin/env bash
# Builds everything and runs every test; ends with CTest's summary.
#
# The core and window tests run first in a second build (build-asan) under
# AddressSanitizer and UndefinedBehaviorSanitizer, stopping at the first error
# (PEVRANO_SKIP_SANITIZERS=1 skips them, for a quick local run). A failure
# there or in the full run below fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test

if [ "${PEVRANO_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEVRANO_SANITIZE=ON \
    -DPEVRANO_BUILD_BENCH=OFF >/dev/null
  cmake --build build-asan
  (
    cd build-asan
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    # The window tests leave Qt's, fontconfig's and the web engine's caches
    # allocated at exit, which LeakSanitizer would report: leaks are looked
    # for in the core tests only.
    ASAN_OPTIONS="halt_on_error=1:detect_leaks=1" \
      LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp" \
      ctest --output-on-failure --timeout 600 -j2 -L core
    # The web engine's own code frees some objects through a base of another
    # size (new-delete-type-mismatch inside Chromium): that check is off for
    # the window tests, which load it.
    ASAN_OPTIONS="halt_on_error=1:detect_leaks=0:new_delete_type_mismatch=0" \
      ctest --output-on-failure --timeout 600 -j2 -L gui
  )
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cd build
ctest --output-on-failure --timeout 600 -j2 "$@"
