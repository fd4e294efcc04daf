#!/usr/bin/env bash
# Builds Pevrano Slide Show and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pevrano-slideshow program_folder_data
exec build/bin/pevrano-slideshow "$@"
