#!/usr/bin/env bash
# The room check on small source trees: a tree whose includes follow the
# table passes; a cycle (also one the given table allows), an include the
# table does not allow, a window header in core code and a new folder
# missing from the table each fail it, and are named.
# Usage: check_rooms_test.sh SOURCE_DIR
set -euo pipefail
check=$1/scripts/check-rooms.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# put FILE INCLUDED...: a source file in the tree that includes the headers.
put() {
    local file=$work/src/$1
    shift
    mkdir -p "$(dirname "$file")"
    : >"$file"
    for header in "$@"; do echo "#include \"$header\"" >>"$file"; done
}
# expect STATUS WHAT TEXT... [-- TABLE]: the check ends with STATUS and its
# output holds every TEXT.
expect() {
    local want=$1 what=$2 out status=0
    shift 2
    local texts=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do texts+=("$1"); shift; done
    [ "${1:-}" = -- ] && shift
    out=$(bash "$check" "$work/src" "$@" 2>&1) || status=$?
    local ok=1
    [ "$status" = "$want" ] || ok=0
    for text in "${texts[@]}"; do grep -qF -- "$text" <<<"$out" || ok=0; done
    if [ $ok = 1 ]; then
        echo "ok: $what"
    else
        echo "FAIL: $what (status $status, wanted $want; output:)"
        echo "$out"
        failures=$((failures + 1))
    fi
}

# A tree as the real one stands: the model, the compiler, the caption style
# preview on the compiler, the editor on top, the program beside them.
put project/Slide.h
put platform/Files.h project/Slide.h
put compiler/PageText.h project/Slide.h
put compiler/ShowFile.cpp compiler/PageText.h platform/Files.h "QString"
put captionstyle/SamplePage.cpp compiler/PageText.h
put editor/ui/Form1.cpp captionstyle/SamplePage.h editor/ui/Other.h
put main.cpp editor/ui/Form1.h
expect 0 "includes that follow the table pass" "depend one way"

# The cycle that once slipped through: the compiler reading the caption
# style preview's default font while the preview uses the compiler's text.
put compiler/ShowFile.cpp compiler/PageText.h captionstyle/DefaultCaptionFont.h
expect 1 "a cycle between two rooms fails" \
    "cycle: captionstyle -> compiler -> captionstyle" \
    "captionstyle/SamplePage.cpp:1:#include \"compiler/PageText.h\"" \
    "compiler/ShowFile.cpp:2:#include \"captionstyle/DefaultCaptionFont.h\""
put compiler/ShowFile.cpp compiler/PageText.h

# A table that allows a cycle does not hide it; one of three rooms is named
# once, from its first room.
printf 'a: b\nb: c\nc: a\n' >"$work/loose-table"
mv "$work/src" "$work/strict"
put a/A.cpp b/B.h
put b/B.h c/C.h
expect 0 "a table that allows a cycle passes a tree without one" -- "$work/loose-table"
put c/C.h a/A.h
expect 1 "a cycle of three rooms fails although the table allows it" \
    "cycle: a -> b -> c -> a" "c/C.h:1:#include \"a/A.h\"" -- "$work/loose-table"
rm -rf "$work/src"
mv "$work/strict" "$work/src"

# An include outside the table, without a cycle.
put sorter/Thumbs.cpp colortool/Palette.h
put colortool/Palette.h
expect 1 "an include the table does not allow fails" \
    "sorter must not include colortool/: sorter/Thumbs.cpp:1:"
rm "$work/src/sorter/Thumbs.cpp"

# Core code and windows.
put project/Slide.cpp project/ui/SlideView.h
expect 1 "a window header in core code fails" "project/Slide.cpp:1:#include \"project/ui/SlideView.h\""
rm "$work/src/project/Slide.cpp"

# A new top folder, even one that includes nothing.
put newroom/Thing.cpp
expect 1 "a new room missing from the table fails" "src/newroom/ is a new room"
rm -r "$work/src/newroom"
expect 0 "the tree passes again once the faults are gone" "depend one way"

[ $failures -eq 0 ] && echo "room check: all cases as expected"
exit $((failures > 0))
