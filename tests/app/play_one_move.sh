#!/usr/bin/env bash
# The real program under a virtual X server: drag e2 to e4, wait for the
# computer's reply in the caption, close the window, expect exit status 0.
# Exits 77 (skipped) where no X server or xdotool can be had.
set -u
program=$1
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "skipped: needs xvfb-run and xdotool"; exit 77; }

run() {
    "$program" &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --name "Varnix Chess" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "${window:-}" ] || { echo "no window"; kill $pid; return 1; }
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # Client area starts 25 px below the window's top (the menu bar).
    xdotool mousemove $((X + 205)) $((Y + 25 + 285)); sleep 0.3
    xdotool mousedown 1; sleep 0.3
    xdotool mousemove $((X + 205)) $((Y + 25 + 240)); sleep 0.2
    xdotool mousemove $((X + 205)) $((Y + 25 + 203)); sleep 0.3
    xdotool mouseup 1
    caption=""
    for _ in $(seq 150); do
        caption=$(xdotool getwindowname "$window")
        case "$caption" in *"Move: "*) ;; *) sleep 0.2; continue ;; esac
        [ "${caption##*Move: }" != "e4" ] && break
        sleep 0.2
    done
    echo "caption: $caption"
    case "$caption" in *"Move: e4") echo "the computer did not answer"; kill $pid; return 1 ;; *"Move: "*) ;; *) echo "no move shown"; kill $pid; return 1 ;; esac
    xdotool windowclose "$window" 2>/dev/null || xdotool key --window "$window" alt+F4
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "still running after close"; kill -9 $pid; return 1; fi
    wait $pid
    status=$?
    echo "exit status: $status"
    return $status
}

if [ "${2:-}" = "--inside-x" ]; then
    run
    exit $?
fi
exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$program" --inside-x
