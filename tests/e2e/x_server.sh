# Sourced by the end-to-end scripts that need a window: a private X server, stopped on exit.
# Call after game_dir.sh; the server's display is exported and its process id is $xvfb_pid.
xvfb_pid=
start_x_server() {
    rm -f "$work/display"
    # The server picks a free display itself and writes its number once it is ready; it must
    # not reset when a killed game was its last client, or the next game cannot connect.
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break || sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
    unset SDL_VIDEODRIVER
}

# Starts the game in $work and waits for its window; its process id is $game_pid.
game_pid=
start_game() {
    # The window of a game killed a moment ago may not be gone yet.
    for _ in $(seq 50); do xdotool search --name '^Pushwell$' >/dev/null || break; sleep 0.1; done
    (cd "$work" && exec "$game_binary" >out 2>err) &
    game_pid=$!
    timeout 20 xdotool search --sync --name '^Pushwell$' >/dev/null ||
        fail "no game window; the game said: $(cat "$work/out" "$work/err")"
    # No window manager: keys go to the window under the pointer.
    xdotool mousemove 400 300
}

# Whether scores.xml is a whole file as the game writes it: the declaration, then collections
# holding level lines, every line complete.
scores_complete() {
    awk 'NR == 1 { if ($0 != "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>") exit 1; next }
         /^<Collection name="[^"]*" \/>$/ { if (open) exit 1; next }
         /^<Collection name="[^"]*">$/ { if (open) exit 1; open = 1; next }
         /^    <Level nr="-?[0-9]+" moves="-?[0-9]+" pushes="-?[0-9]+" \/>$/ { if (!open) exit 1; next }
         /^<\/Collection>$/ { if (!open) exit 1; open = 0; next }
         { exit 1 }
         END { if (open || NR == 0) exit 1 }' "$work/scores.xml" &&
        [ "$(tail -c1 "$work/scores.xml" | od -An -c | tr -d ' ')" = '\n' ]
}

stop_all() {
    # A background job of this shell, killed before it became its command, inherits the trap.
    [ "$BASHPID" = "$$" ] || return 0
    [ -z "$game_pid" ] || kill -9 "$game_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap stop_all EXIT
