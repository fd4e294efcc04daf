#!/usr/bin/env bash
# Checks the includes between the source folders (the rooms under src/):
# - every top folder is listed in the room table below with the rooms it may use;
# - no file includes a header of a room its own room does not list;
# - the core code at a room's top level includes no window header (ui/);
# - the includes between rooms form no cycle, whatever the table allows.
# Files directly in src/ (main.cpp) are the program itself and may use every room.
# Usage: check-rooms.sh [SRC_DIR [TABLE_FILE]]; a table file holds lines
# "room: rooms it may use" as the one below.
set -euo pipefail
src=${1:-$(dirname "$0")/../src}
cd "$src"

# The model (project/) and the picture engine use nothing of ours; the
# document (the show, its undo stack, the show file's reader and writer) sits
# on the model; the compiler and the side windows stand on those; the editor,
# on top, opens the side windows and publishes, and nothing includes it.
read_table() {
    if [ -n "${2:-}" ]; then
        cat "$2"
        return
    fi
    cat <<'TABLE'
project:
pictures:
platform: project
document: project platform pictures
video: platform pictures
support: project platform
sorter: project platform pictures document video
colortool: project platform support document
compiler: project platform pictures document video
captionstyle: project platform compiler document
publish: project platform pictures compiler document
editor: project platform pictures document support sorter colortool captionstyle compiler publish video
TABLE
}

declare -A allowed=()
while IFS= read -r line; do
    line=${line%%#*}
    [[ $line == *:* ]] || continue
    room=$(echo "${line%%:*}" | xargs)
    allowed[$room]=" $(echo "${line#*:}" | xargs) "
done < <(read_table "$src" "${2:-}")

status=0
fail() {
    echo "$@"
    status=1
}

# Every top folder is a room of the table.
rooms=()
for dir in */; do
    room=${dir%/}
    rooms+=("$room")
    [ -n "${allowed[$room]+set}" ] ||
        fail "src/$room/ is a new room: list it in the room table of scripts/check-rooms.sh with the rooms it may use"
done

# The includes of one room into others: "from to file:line: text".
is_room() { [ -d "$1" ] || [ -n "${allowed[$1]+set}" ]; }
edges=$(
    for room in "${rooms[@]}"; do
        grep -rnE --include='*.h' --include='*.cpp' --include='*.hpp' --include='*.cc' \
            '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">/]+/' "$room" |
            sed -E "s|^(.*#[[:space:]]*include[[:space:]]*[\"<]([^\">/]+)/.*)\$|$room \\2 \\1|" || true
    done | while read -r from to hit; do
        if [ "$to" != "$from" ] && is_room "$to"; then
            echo "$from $to $hit"
        fi
    done
)

# Each include is one the table allows.
declare -A uses=()
while read -r from to hit; do
    [ -n "$from" ] || continue
    uses["$from $to"]=1
    if [ -n "${allowed[$from]+set}" ] && [[ ${allowed[$from]} != *" $to "* ]]; then
        fail "$from must not include $to/: $hit"
    fi
done <<<"$edges"

# Core code stays free of windows.
core_hits=$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*/ui/' \
    ./*/*.h ./*/*.cpp 2>/dev/null || true)
[ -z "$core_hits" ] || fail "core code must not include window headers:"$'\n'"$core_hits"

# Cycles: an include from A to B lies on a cycle when A is reachable from B.
# Each cycle is reported once, starting at its first room in name order.
next_rooms() {
    local key
    for key in "${!uses[@]}"; do
        [ "${key%% *}" = "$1" ] && echo "${key#* }"
    done
}
# path_from START GOAL: the rooms from START to GOAL along includes, or nothing.
path_from() {
    local -A parent=([$1]=-)
    local queue=("$1") room next
    while [ ${#queue[@]} -gt 0 ]; do
        room=${queue[0]}
        queue=("${queue[@]:1}")
        if [ "$room" = "$2" ]; then
            local path=()
            while [ "$room" != - ]; do
                path=("$room" "${path[@]}")
                room=${parent[$room]}
            done
            echo "${path[*]}"
            return
        fi
        for next in $(next_rooms "$room"); do
            [ -n "${parent[$next]+set}" ] && continue
            parent[$next]=$room
            queue+=("$next")
        done
    done
}
declare -A cycles=()
for key in "${!uses[@]}"; do
    from=${key%% *}
    to=${key#* }
    path=$(path_from "$to" "$from")
    [ -n "$path" ] || continue
    read -ra members <<<"$path"
    first=$(printf '%s\n' "${members[@]}" | sort | head -n1)
    for i in "${!members[@]}"; do
        [ "${members[$i]}" = "$first" ] && break
    done
    ordered=("${members[@]:$i}" "${members[@]:0:$i}")
    cycles["${ordered[*]} $first"]=1
done
for cycle in "${!cycles[@]}"; do
    read -ra members <<<"$cycle"
    fail "the includes between rooms form a cycle: ${cycle// / -> }"
    for ((i = 0; i + 1 < ${#members[@]}; i++)); do
        grep -m1 "^${members[$i]} ${members[$i + 1]} " <<<"$edges" | cut -d' ' -f3- | sed 's/^/  /'
    done
done

[ $status -eq 0 ] && echo "source folders depend one way"
exit $status
