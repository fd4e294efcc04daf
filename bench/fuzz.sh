#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs them.
#
#   bench/fuzz.sh [TARGET|all] [SECONDS]
#
# TARGET is one of tests/fuzz/*_fuzz.cpp by name (show_file_fuzz,
# color_file_fuzz, mount_table_fuzz ...; default: all, one after the other);
# each runs for SECONDS (default 60) in one process at a
# low priority. The corpus grows in build-fuzz/corpus/TARGET, seeded from
# tests/fuzz/seeds; a crash, leak or hang (an input running over 10 seconds)
# is saved as build-fuzz/findings/TARGET-* and stops the run with a non-zero
# status. Replay a finding with: build-fuzz/bin/TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."

all=()
for f in tests/fuzz/*_fuzz.cpp; do all+=("$(basename "$f" .cpp)"); done
what=${1:-all}
seconds=${2:-60}
if [ "$what" = all ]; then
  targets=("${all[@]}")
elif [[ " ${all[*]} " == *" $what "* ]]; then
  targets=("$what")
else
  (IFS='|'; echo "usage: bench/fuzz.sh [${all[*]}|all] [SECONDS]" >&2)
  exit 2
fi

command -v clang++ >/dev/null || { echo "fuzz.sh needs clang (apt-get install clang)" >&2; exit 2; }
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPEVRANO_FUZZ=ON -DPEVRANO_BUILD_TESTS=OFF -DPEVRANO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

mkdir -p build-fuzz/findings
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/${t%_fuzz}
  dict=tests/fuzz/${t%_fuzz}.dict
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="build-fuzz/findings/$t-")
  [ -f "$dict" ] && options+=(-dict="$dict")
  echo "== $t for ${seconds}s"
  nice -n 10 "build-fuzz/bin/$t" "${options[@]}" "$corpus" "$seeds"
done
