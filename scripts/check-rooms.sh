#!/usr/bin/env bash
# Fails when a source folder includes a folder it must not depend on.
# Dependencies run one way: project/ uses nothing of ours, platform/ only the
# model, the picture engine nothing of ours, and the side windows, the compiler and the help stand below the
# editor, which opens them.
set -euo pipefail
cd "$(dirname "$0")/../src"
status=0
# forbid FOLDER PATTERN: no file under FOLDER includes a header matching PATTERN.
forbid() {
    local hits
    hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($2)/" "$1" || true)
    if [ -n "$hits" ]; then
        echo "$1 must not include $2/:"
        echo "$hits"
        status=1
    fi
}
forbid project 'document|editor|compiler|sorter|colortool|captionstyle|support|platform'
# The document owns a window's show and its history: it stands on the model
# and the platform's core, and every window edits through it.
forbid document 'editor|compiler|sorter|colortool|captionstyle|support|publish|pictures|[a-z]+/ui'
forbid platform 'document|editor|compiler|sorter|colortool|captionstyle|support'
# The picture engine stands on libvips and Qt alone: everything may use it.
forbid pictures 'project|document|editor|compiler|sorter|colortool|captionstyle|support|platform'
# Video clips stand on the platform's core and the picture engine alone.
forbid video 'project|document|editor|compiler|sorter|colortool|captionstyle|support|publish|platform/ui|pictures/ui'
for room in compiler sorter colortool captionstyle support; do
    forbid "$room" editor
done
# Publishing stands on the model, the platform and the compiler; only the
# editor (its File menu) and main.cpp (the command line) use it.
forbid publish 'editor|sorter|colortool|captionstyle|support'
for room in project platform compiler sorter colortool captionstyle support; do
    forbid "$room" publish
done
[ $status -eq 0 ] && echo "source folders depend one way"
exit $status
