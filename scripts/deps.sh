#!/usr/bin/env bash
# Installs the Debian packages (and the browser driver for the page tests)
# that the build and the tests need. Quiet and quick when nothing is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config lld
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libvips-dev libvips-tools
  libheif-dev
  # The song preview and "Play Clip"; the libav plugin decodes H.264 and HEVC.
  gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  rclone
  ffmpeg
)
# The tests make WebP and TIFF pictures with Qt's writers.
TEST_PACKAGES=(qt6-image-formats-plugins chromium xvfb xauth clang-format desktop-file-utils)
# Tools that may come from elsewhere than Debian (a vendor's Node.js bundles
# npm, a JDK may be installed by hand): only installed when the command is
# missing.
BUILD_COMMANDS=(javac:default-jdk-headless)
TEST_COMMANDS=(node:nodejs npm:npm)

want=("${BUILD_PACKAGES[@]}")
if [ "${1:-}" = "--test" ]; then
  want+=("${TEST_PACKAGES[@]}")
fi

commands=("${BUILD_COMMANDS[@]}")
[ "${1:-}" = "--test" ] && commands+=("${TEST_COMMANDS[@]}")

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
for entry in "${commands[@]}"; do
  command -v "${entry%%:*}" >/dev/null 2>&1 || missing+=("${entry#*:}")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The page tests drive Debian's chromium through playwright-core (no browser
# download: it uses /usr/bin/chromium) and check the player with axe-core.
if [ "${1:-}" = "--test" ] && { [ ! -d tests/e2e/node_modules/playwright-core ] ||
  [ ! -d tests/e2e/node_modules/axe-core ]; }; then
  echo "Installing playwright-core and axe-core for the page tests"
  (cd tests/e2e && npm install --no-audit --no-fund --silent >/dev/null)
fi
