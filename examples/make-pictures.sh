#!/usr/bin/env bash
# Makes the example show's pictures with the project's own generator
# (bench/make_pictures.cpp): four small JPEGs, examples/pictures/picture0001.jpg
# to picture0004.jpg. Run from anywhere after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target make_pictures >/dev/null
rm -rf examples/pictures
build/bin/make_pictures examples/pictures 4 12 320 240
