#!/usr/bin/env bash
# Results are saved as they are made: a level solved in a real window is in scores.xml after
# the game is killed with SIGKILL, and after the X server under it goes away.
# Usage: killed_game.sh <game binary> <data directory>
set -euo pipefail
source "$(dirname "$0")/game_dir.sh"
source "$(dirname "$0")/x_server.sh"

expect_result() {
    grep -qx '    <Level nr="1" moves="3" pushes="2" />' "$work/scores.xml" && scores_complete ||
        fail "$1: scores.xml: $(cat "$work/scores.xml" 2>&1)"
}

# Start Game, then a step and two pushes solve the level; the save follows at once.
solve_level() {
    xdotool key --delay 150 Return Right Right Right
    sleep 1
}

start_x_server
start_game
solve_level
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
expect_result "killed game"

rm "$work/scores.xml"
start_game
solve_level
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
code=0
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game outlived its display"
wait "$game_pid" || code=$?
game_pid=
[ "$code" != 0 ] || fail "a lost display ended the game with exit code 0"
expect_result "lost display"
echo "a solved level survives SIGKILL and a lost X server (exit code $code)"
