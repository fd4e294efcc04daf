#!/usr/bin/env bash
# Fails when any C++ file of the project is not clang-format clean.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'assets/*.cpp' 'assets/*.h' 'examples/*.cpp' 2>/dev/null || find src tests bench assets -name '*.cpp' -o -name '*.h')
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files clang-format clean"
