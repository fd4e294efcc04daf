#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed
# program: its layout, desktop entry and icons, and a headless compile that
# takes the view images from the installed data folder. With --deb, makes the
# Debian package instead and checks what it holds.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR [--deb]
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "${3:-}" = "--deb" ]; then
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
  deb=$(ls "$work"/out/*.deb)
  listing=$(dpkg-deb -c "$deb")
  for f in bin/pevrano-slideshow share/pevrano-slideshow/UserDefColors.col \
    share/applications/pevrano-slideshow.desktop \
    share/icons/hicolor/48x48/apps/pevrano-slideshow.png; do
    grep -q " \./usr/$f\$" <<<"$listing" || fail "$f is not in the package"
  done
  dpkg-deb -f "$deb" Depends | grep -q libqt6 || fail "the package does not depend on Qt"
  dpkg-deb -f "$deb" Depends | grep -q libvips || fail "the package does not depend on libvips"
  echo "$(basename "$deb"): ok"
  exit 0
fi

prefix=$work/root/usr
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
data=$prefix/share/pevrano-slideshow
[ -x "$prefix/bin/pevrano-slideshow" ] || fail "no executable in bin"
for f in UserDefColors.col clouds.jpg wood.gif film.gif ssbc.jpg ssbnoc.jpg ssnobnoc.jpg \
  catalog.jpg fraleft.jpg fraright.jpg; do
  [ -f "$data/$f" ] || fail "$f is not installed"
done
if [ -f "$build/bin/photo.jar" ]; then [ -f "$data/photo.jar" ] || fail "photo.jar is not installed"; fi
if [ -d "$build/bin/help" ]; then [ -d "$data/help" ] || fail "the help is not installed"; fi

desktop=$prefix/share/applications/pevrano-slideshow.desktop
[ -f "$desktop" ] || fail "no desktop entry"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
fi
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/pevrano-slideshow.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # A PNG's width and height: two big-endian words at byte 16.
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done
stray=$(cd "$prefix" && find . -type f ! -path ./bin/pevrano-slideshow ! -path './share/*')
[ -z "$stray" ] || fail "unexpected files installed: $stray"

# The installed program compiles the example show with the installed data:
# a marked view image shows where the copy came from.
printf 'installed' >>"$data/ssbc.jpg"
cp -r "$source/examples" "$work/examples"
mkdir "$work/shows"
(cd "$work/shows" && HOME=$work "$prefix/bin/pevrano-slideshow" compile "$work/examples/show.json" \
  >"$work/out.txt" 2>"$work/err.txt") || { cat "$work/err.txt"; fail "the headless compile failed"; }
page=$(cat "$work/out.txt")
[ -f "$page" ] || fail "no opening page: $page"
pix=$(dirname "$page")/pix
cmp -s "$pix/ssbc.jpg" "$data/ssbc.jpg" || fail "the view images do not come from the installed data"
[ -f "$pix/pic1.jpg" ] || fail "the pictures were not copied"

# The installed program reads HEIC pictures through libvips and writes them
# into the show as JPEG (when this libheif can write HEIC to make them).
mkdir "$work/heic"
if vips copy "$work/examples/pictures/picture0001.jpg" "$work/heic/p1.heic" 2>/dev/null; then
  for n in 2 3; do
    vips copy "$work/examples/pictures/picture000$n.jpg" "$work/heic/p$n.heic"
  done
  cat >"$work/heic/show.json" <<'JSON'
{ "slides": [ { "PicturePath": "p1.heic" }, { "PicturePath": "p2.heic" },
              { "PicturePath": "p3.heic" } ],
  "compile": { "FirstPageName": "phone", "Directory": "." } }
JSON
  (cd "$work/heic" && HOME=$work "$prefix/bin/pevrano-slideshow" compile show.json \
    >"$work/heic-out.txt" 2>"$work/heic-err.txt") ||
    { cat "$work/heic-err.txt"; fail "the installed program did not compile HEIC pictures"; }
  [ "$(od -An -tx1 -N3 "$work/heic/phone/pix/pic3.jpg" | tr -d ' ')" = "ffd8ff" ] ||
    fail "the HEIC picture was not written as JPEG"
fi
echo "installed layout and headless compile: ok"
