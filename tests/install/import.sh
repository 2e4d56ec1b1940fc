#!/usr/bin/env bash
# `pushwell import` and `pushwell FILE` in a throw-away HOME: names from the file or its file
# name, clashes, a second import of the same file, levels left out, unreadable files, the
# command line; then the game, started with a file, lists the imported collection.
# Usage: import.sh <launcher> <pushwell-check> <game>
set -euo pipefail
launcher=$(realpath "$1")
check=$(realpath "$2")
game=$(realpath "$3")
tmp=$(mktemp -d /tmp/pushwell-import-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

data=$tmp/data
mkdir -p "$data/gfx" "$data/levels" "$tmp/home" "$tmp/in" "$tmp/elsewhere"
echo shipped >"$data/levels/Cellars"
cat >"$tmp/fake-game" <<'GAME'
#!/bin/sh
ls levels >"$TMP_OUT/levels-at-start"
GAME
chmod +x "$tmp/fake-game"
user=$tmp/home/.local/share/pushwell

# run ARGUMENT...: the launcher from $tmp/in; its code in $code, its output in $out and $err.
run() {
    code=0
    (cd "$tmp/in" && env -i PATH="$PATH" HOME="$tmp/home" TMP_OUT="$tmp" PUSHWELL_DATA_DIR="$data" \
        PUSHWELL_BINARY="$tmp/fake-game" PUSHWELL_CHECK="$check" sh "$launcher" "$@") \
        >"$tmp/out" 2>"$tmp/err" || code=$?
    out=$(cat "$tmp/out")
    err=$(cat "$tmp/err")
}
expect() { # CODE OUT-PATTERN: the last run's code and its standard output
    [ "$code" = "$1" ] && [[ "$out" == $2 ]] || fail "exit $code, output '$out' ($err); expected $1, '$2'"
}

map='#####
#@$.#
#####'
printf 'Title: Not the name\nCollection : Cellar Works\n\n%s\nTitle: One\n\n%s\n' "$map" "$map" \
    >"$tmp/in/cellar-works.txt"
printf '%s\n\n%s\n' "$map" "$map" >"$tmp/in/Plain Pack.lvl"
printf '; 1\n%s\n' "$map" >"$tmp/in/Cellars.txt"
printf 'Collection: Mine\n\n%s\n' "$map" >"$tmp/in/mine.txt"
printf 'Collection: Cellar Works\n\n%s\n' "$map" >"$tmp/elsewhere/cellar-works.txt"
printf 'Title: Lost One\n\n%s\n\n#####\n#@@$.#\n######\nTitle: Two men\n' "$map" >"$tmp/in/lost.txt"

# The name from the Collection: key, else from the file name; a shipped name and a player's file
# keep theirs.
mkdir -p "$user/levels" && echo "my own" >"$user/levels/Mine"
run import cellar-works.txt "Plain Pack.lvl" Cellars.txt mine.txt
expect 0 "cellar-works.txt: 2 levels imported as \"Cellar Works\" into $user/levels/Cellar Works
Plain Pack.lvl: 2 levels imported as \"Plain Pack\" into $user/levels/Plain Pack
Cellars.txt: 1 level imported as \"Cellars 2\" into $user/levels/Cellars 2
mine.txt: 1 level imported as \"Mine 2\" into $user/levels/Mine 2"
[ "$(cat "$user/levels/Mine")" = "my own" ] || fail "the player's file changed"
[ "$(readlink "$user/levels/Cellars")" = "$(realpath "$data")/levels/Cellars" ] ||
    fail "the shipped link changed"
grep -qx "'One" "$user/levels/Cellar Works" || fail "no title: $(cat "$user/levels/Cellar Works")"

# The same file again replaces its import; another file of that name does not.
run import cellar-works.txt ../elsewhere/cellar-works.txt
expect 0 "cellar-works.txt: 2 levels imported as \"Cellar Works\" into $user/levels/Cellar Works, replacing the earlier import of this file
../elsewhere/cellar-works.txt: 1 level imported as \"Cellar Works 2\" into $user/levels/Cellar Works 2"
[ ! -e "$user/levels/.imported" ] && [ -f "$user/.imported" ] || fail "the record is in levels/"

# A level left out, an unreadable file, one past the size bound (sparse: no disk is used): said,
# exit 1, the other files still imported.
truncate -s $((64 * 1024 * 1024 + 1)) "$tmp/in/huge.txt"
run import lost.txt missing.txt . huge.txt "Plain Pack.lvl"
expect 1 "lost.txt: 1 level imported as \"Lost One\" into $user/levels/Lost One; left out level 2 (line 7): there must be one guy
Plain Pack.lvl: 2 levels imported as \"Plain Pack\" into $user/levels/Plain Pack, replacing the earlier import of this file"
[ "$err" = "missing.txt: cannot be read; nothing imported
.: cannot be read; nothing imported
huge.txt: file is larger than 64 MB; nothing imported" ] || fail "unreadable files: '$err'"

# The command line: usage with no file (an error) and with --help; an unknown option.
run import
[ "$code" = 2 ] && [ -z "$out" ] && [[ "$err" == "Usage: pushwell [FILE...]"* ]] ||
    fail "no file: exit $code, '$out', '$err'"
run import --help
[ "$code" = 0 ] && [[ "$out" == "Usage: pushwell [FILE...]"*"pushwell import FILE..."* ]] ||
    fail "--help: exit $code, '$out', '$err'"
run import --bogus cellar-works.txt
[ "$code" = 2 ] && [[ "$err" == "pushwell: unknown option --bogus"* ]] || fail "--bogus: $code '$err'"
[ ! -e "$tmp/levels-at-start" ] || fail "pushwell import started the game"

# Files without the word import (the desktop's "Open with"): imported, then the game starts,
# even when a file could not be read.
printf 'Collection: Opened\n\n%s\n' "$map" >"$tmp/in/opened.txt"
run "$tmp/in/opened.txt" missing.txt
[ "$code" = 0 ] && [[ "$out" == "$tmp/in/opened.txt: 1 level imported as \"Opened\""* ]] ||
    fail "open with: exit $code, '$out', '$err'"
grep -qx Opened "$tmp/levels-at-start" || fail "the game started before the import"

# The game itself, with no display, takes every imported collection without a fault.
rm -rf "$data/gfx" && ln -s "$(dirname "$game")/data/gfx" "$data/gfx"
cp "$(dirname "$game")/data/levels/default" "$data/levels/default"
code=0
(cd "$tmp/in" && env -i PATH="$PATH" HOME="$tmp/home" SDL_VIDEODRIVER=dummy PUSHWELL_DATA_DIR="$data" \
    PUSHWELL_BINARY="$game" PUSHWELL_CHECK="$check" \
    timeout --preserve-status -s TERM 3 sh "$launcher" opened.txt) >"$tmp/out" 2>"$tmp/err" || code=$?
[ "$code" = 0 ] && [ ! -s "$tmp/err" ] || fail "the game: exit $code: $(cat "$tmp/err")"
echo "import: names, clashes, a second import, left-out levels, unreadable files, the command" \
    "line, the game started with a file"
