#!/usr/bin/env bash
# kill -9 at random moments of a long session of levels solved one after the other never
# leaves a damaged scores.xml: each time it is either not there yet or complete, and it never
# loses a result it held before. Usage: kill_at_random.sh <game binary> <data directory> [runs]
set -euo pipefail
source "$(dirname "$0")/game_dir.sh"
source "$(dirname "$0")/x_server.sh"
runs=${3:-20}

# Forty levels that one push to the right solves: a save every few tenths of a second.
for n in $(seq 40); do printf "; %d\n'One push\n#####\n#@\$.#\n#####\n\n" "$n"; done \
    >"$work/levels/default"

start_x_server
# The kill moments follow PUSHWELL_SEED when it is set, else this shell's id; the seed is shown
# so that a failing series can be run again with the same moments.
seed=${PUSHWELL_SEED:-$$}
RANDOM=$seed
echo "kill moments from seed $seed"
held=0
for run in $(seq "$runs"); do
    start_game
    xdotool key --delay 40 Return $(printf 'Right %.0s' $(seq 60)) &
    keys_pid=$!
    sleep "$((RANDOM % 25 / 10)).$((RANDOM % 10))"
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    kill "$keys_pid" 2>/dev/null || true
    wait "$keys_pid" 2>/dev/null || true
    [ -e "$work/scores.xml" ] || { [ "$held" = 0 ] && continue; } || fail "run $run: file gone: $(ls -a "$work")"
    scores_complete || fail "run $run: damaged scores.xml: $(cat "$work/scores.xml")"
    now=$(grep -c '<Level ' "$work/scores.xml" || true)
    [ "$now" -ge "$held" ] || fail "run $run: $held results before, $now now"
    held=$now
done
[ "$held" -gt 0 ] || fail "no result was ever saved"
echo "$runs kills at random moments: scores.xml always complete, $held results kept"
