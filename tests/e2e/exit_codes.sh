#!/usr/bin/env bash
# Every start-up failure of the real binary ends it with its own exit code and its own message
# on its own stream. Usage: exit_codes.sh <game binary> <data directory>
set -euo pipefail
source "$(dirname "$0")/game_dir.sh"

# expect CODE STDOUT STDERR: runs the game (dummy video unless $driver says otherwise).
expect() {
    local code=0
    (cd "$work" && SDL_VIDEODRIVER=${driver:-dummy} timeout 20 "$game_binary" >out 2>err) ||
        code=$?
    [ "$code" = "$1" ] || fail "exit code $code, not $1 (stdout: $(cat "$work/out"))"
    # Each message is one whole line; the dot keeps command substitution from eating its end.
    [ "$(cat "$work/out" && echo .)" = "$2${2:+$'\n'}." ] || fail "stdout: '$(cat "$work/out")'"
    [ "$(cat "$work/err" && echo .)" = "$3${3:+$'\n'}." ] || fail "stderr: '$(cat "$work/err")'"
    [ ! -e "$work/scores.xml" ] || fail "scores.xml written on a failed start"
}

rm "$work/gfx/base02.ttf"
expect 31 "" "Error: could not load base02.ttf"
link_gfx base02.ttf
rm "$work/gfx/vera.ttf"
expect 32 "" "Error: could not load vera.ttf"
link_gfx vera.ttf

rm "$work/gfx/skin30.bmp"
expect 11 "Error on game initialization: -23" "load_image: error opening gfx/skin30.bmp"
link_gfx skin30.bmp
rm "$work/gfx/skin12.bmp"
expect 11 "Error on game initialization: -25" "load_image: error opening gfx/skin12.bmp"
link_gfx skin12.bmp

mv "$work/levels" "$work/kept"
expect 11 "Error on game initialization: -11" "Error: no level collections found"
mkdir "$work/levels"
printf "; 1\n'No target\n#####\n#@\$ #\n#####\n\n" >"$work/levels/default"
expect 11 "Error on game initialization: -11" "TLevelCollection.import: default: level 1: \
number of targets does not match number of boxes
Error: no level collections found"
rm -r "$work/levels" && mv "$work/kept" "$work/levels"

code=0
(cd "$work" && SDL_VIDEODRIVER=no-such-driver "$game_binary" >out 2>err) || code=$?
[ "$code" = 1 ] && [ "$(wc -l <"$work/out")" = 1 ] && grep -q '^SDL Error: ' "$work/out" ||
    fail "bad video driver: exit $code, stdout '$(cat "$work/out")'"

# Without a background the game still starts; SIGTERM is a close request to the library, and
# closing the window on the title menu ends the game normally, writing the (empty) results.
rm "$work/gfx/back.bmp"
(cd "$work" && SDL_VIDEODRIVER=dummy exec "$game_binary" >out 2>err) &
sleep 1.5
kill -TERM $!
code=0
wait $! || code=$?
[ "$code" = 0 ] || fail "close request: exit $code"
[ "$(cat "$work/err")" = "load_image: error opening gfx/back.bmp" ] || fail "$(cat "$work/err")"
cmp -s "$work/scores.xml" <(echo '<?xml version="1.0" encoding="UTF-8" ?>') ||
    fail "scores.xml: $(cat "$work/scores.xml")"
echo "exit codes 31, 32, 11 (-23, -25, -11), 1 and 0: messages on their streams"
