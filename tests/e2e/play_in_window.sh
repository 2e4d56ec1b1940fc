#!/usr/bin/env bash
# The game in a real window on a private X server, played by synthetic key presses: the title
# menu, the collection chooser, the help page, one level played to its end, and Quit. Checks the
# exit code and scores.xml byte for byte, and leaves a screenshot of every screen in
# <build dir>/screens/. Usage: play_in_window.sh <game binary> <data directory> <build dir>
set -euo pipefail
source "$(dirname "$0")/game_dir.sh"
source "$(dirname "$0")/x_server.sh"
shots=$3/screens
mkdir -p "$shots"

start_x_server
start_game
sleep 1

keys() { xdotool key --delay 150 "$@" && sleep 0.6; }
shot() { import -window root "$shots/$1.png"; }
# shot name, rectangle: whether highlighted (red) text is drawn there
red_in() {
    [ "$(/usr/bin/convert "$shots/$1.png" -crop "$2" +repage -fx 'r>0.8&&g<0.2&&b<0.2' \
        -format '%[fx:maxima]' info:)" = 1 ] || fail "$1: nothing red in $2"
}

shot title
red_in title 190x36+200+195  # Start Game
keys Down Return
shot chooser
red_in chooser 200x25+267+155  # the first collection
keys Escape Down Return
shot help
keys Escape Up Up Return
shot play
keys Right Right Right q q  # solved, back on the menu, Quit

code=0
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
wait "$game_pid" || code=$?
game_pid=
[ "$code" = 0 ] || fail "exit code $code"
[ ! -s "$work/out" ] && [ ! -s "$work/err" ] || fail "said: $(cat "$work/out" "$work/err")"
cmp "$work/scores.xml" - <<'XML' || fail "scores.xml: $(cat "$work/scores.xml")"
<?xml version="1.0" encoding="UTF-8" ?>
<Collection name="default">
    <Level nr="1" moves="3" pushes="2" />
</Collection>
XML
echo "played in a window: menu, chooser, help, one level solved, quit; screens in $shots"
