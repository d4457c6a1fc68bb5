# Shared by the real-program scripts: start the program under the running X
# server, find its window, ask it to close as a window manager would, and wait
# for its exit status. Sourced; expects $program and $close_tool.

# Prints the id of the first window whose title matches, waiting up to $2 tenths of a second.
wait_for_window() {
    local found=""
    for _ in $(seq "$2"); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}

start_program() {
    "$program" &
    pid=$!
    window=$(wait_for_window "Varnix Chess v" 200)
    [ -n "$window" ] || { echo "no window"; kill $pid; return 1; }
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Closes the main window and returns the program's exit status (1 when it hangs).
close_and_wait() {
    "$close_tool" "$window"
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "still running after close"; kill -9 $pid; return 1; fi
    wait $pid
    local status=$?
    echo "exit status: $status"
    return $status
}

# Runs the calling script again inside a virtual X server, or skips (77).
run_inside_x() {
    command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "skipped: needs xvfb-run and xdotool"; exit 77; }
    exec xvfb-run -a -s "-screen 0 800x600x24" "$@" --inside-x
}
