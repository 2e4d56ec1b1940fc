#!/usr/bin/env bash
# The pushwell launcher in a throw-away HOME, running a fake game that reports where it ran and
# what it saw. Usage: launcher.sh <launcher>
set -euo pipefail
launcher=$(realpath "$1")
tmp=$(mktemp -d /tmp/pushwell-launcher-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Shipped data: gfx and two collections. The fake game records its working directory and the
# collections it would find, and ends with the code in $FAKE_EXIT.
data=$tmp/data
mkdir -p "$data/gfx" "$data/levels" "$tmp/home"
echo shipped >"$data/levels/default"
echo shipped >"$data/levels/Cellars"
cat >"$tmp/game" <<'GAME'
#!/bin/sh
pwd >"$TMP_OUT/cwd"
ls levels >"$TMP_OUT/levels"
exit "${FAKE_EXIT:-0}"
GAME
chmod +x "$tmp/game"

# run [ENV=VALUE...]: the launcher with a clean environment; its code in $code, stderr in $err.
run() {
    code=0
    env -i PATH="$PATH" HOME="$tmp/home" TMP_OUT="$tmp" PUSHWELL_DATA_DIR="$data" \
        PUSHWELL_BINARY="$tmp/game" "$@" sh "$launcher" >"$tmp/out" 2>"$tmp/err" || code=$?
    err=$(cat "$tmp/err")
}
user=$tmp/home/.local/share/pushwell

# First start: the directory is made, gfx and the collections are linked, the game runs there
# and its exit code comes back.
run FAKE_EXIT=7
[ "$code" = 7 ] || fail "exit code $code, not 7 ($err)"
[ "$(cat "$tmp/cwd")" = "$(realpath "$user")" ] || fail "game ran in $(cat "$tmp/cwd")"
[ "$(readlink "$user/gfx")" = "$(realpath "$data")/gfx" ] || fail "gfx: $(ls -l "$user")"
[ "$(tr '\n' ' ' <"$tmp/levels")" = "Cellars default " ] || fail "levels: $(cat "$tmp/levels")"
[ "$(cat "$user/levels/Cellars")" = shipped ] || fail "Cellars is not the shipped one"
run
[ "$code" = 0 ] || fail "second start: exit code $code ($err)"

# The player's own files: a collection, one with a shipped name, a link of their own, results.
echo mine >"$user/levels/Mine"
rm "$user/levels/default" && echo "my default" >"$user/levels/default"
echo elsewhere >"$tmp/my-collection"
ln -s "$tmp/my-collection" "$user/levels/Linked"
echo "<scores/>" >"$user/scores.xml"
(cd "$user" && find . -type f ! -name .shipped-data -exec md5sum {} + | sort) >"$tmp/before"

# A new version ships Foundry and no longer Cellars; another data directory (a build tree)
# takes over the links of the previous one.
echo shipped >"$data/levels/Foundry"
rm "$data/levels/Cellars"
run
[ "$code" = 0 ] || fail "after an update: exit code $code ($err)"
[ "$(tr '\n' ' ' <"$tmp/levels")" = "Foundry Linked Mine default " ] ||
    fail "levels after an update: $(cat "$tmp/levels")"
cp -r "$data" "$tmp/other-data"
run PUSHWELL_DATA_DIR="$tmp/other-data"
[ "$(readlink "$user/levels/Foundry")" = "$tmp/other-data/levels/Foundry" ] &&
    [ "$(readlink "$user/gfx")" = "$tmp/other-data/gfx" ] || fail "links not moved: $(ls -l "$user")"
(cd "$user" && find . -type f ! -name .shipped-data -exec md5sum {} + | sort) >"$tmp/after"
diff "$tmp/before" "$tmp/after" >&2 || fail "the player's files changed"
[ "$(readlink "$user/levels/Linked")" = "$tmp/my-collection" ] || fail "the player's link changed"

# XDG_DATA_HOME moves the per-user directory.
run XDG_DATA_HOME="$tmp/xdg"
[ "$(cat "$tmp/cwd")" = "$(realpath "$tmp/xdg/pushwell")" ] || fail "XDG_DATA_HOME ignored"

# Failures: clear words on standard error, the game not run, distinct exit codes.
rm "$tmp/cwd"
run PUSHWELL_DATA_DIR="$tmp/nowhere"
[ "$code" = 72 ] && [[ "$err" == *"data directory $tmp/nowhere"*"is missing"* ]] ||
    fail "missing data: $code '$err'"
run PUSHWELL_BINARY="$tmp/no-game"
[ "$code" = 72 ] && [[ "$err" == *"game program $tmp/no-game is missing"* ]] ||
    fail "missing binary: $code '$err'"
touch "$tmp/a-file"
run XDG_DATA_HOME="$tmp/a-file"
[ "$code" = 73 ] && [[ "$err" == *"cannot create the directory $tmp/a-file/pushwell/levels"* ]] ||
    fail "no per-user directory: $code '$err'"
[ ! -e "$tmp/cwd" ] || fail "the game ran after a failure"
echo "launcher: per-user directory, links refreshed, player's files kept, exit codes"
