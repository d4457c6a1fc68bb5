#!/usr/bin/env bash
# The real program under a virtual X server: drag e2 to e4, wait for the
# computer's reply in the caption, close the window, expect exit status 0.
# Exits 77 (skipped) where no X server or xdotool can be had.
set -u
program=$1 close_tool=$2
. "$(dirname "$0")/x_session.sh"
[ "${3:-}" = "--inside-x" ] || run_inside_x "$0" "$program" "$close_tool"

start_program || exit 1
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
case "$caption" in *"Move: e4") echo "the computer did not answer"; kill $pid; exit 1 ;; *"Move: "*) ;; *) echo "no move shown"; kill $pid; exit 1 ;; esac
close_and_wait
