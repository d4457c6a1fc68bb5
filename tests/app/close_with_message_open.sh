#!/usr/bin/env bash
# The real program under a virtual X server: Escape on the board must not end
# it; "Save Game" with no moves opens the skinned message box, and closing the
# main window while that box is open still ends the program with status 0.
set -u
program=$1 close_tool=$2
. "$(dirname "$0")/x_session.sh"
[ "${3:-}" = "--inside-x" ] || run_inside_x "$0" "$program" "$close_tool"

start_program || exit 1
xdotool key --window "$window" Escape; sleep 0.5
kill -0 $pid 2>/dev/null || { echo "Escape ended the program"; exit 1; }
# Game menu, then its fourth row "Save Game at current positon".
xdotool mousemove $((X + 20)) $((Y + 12)) click 1; sleep 0.5
xdotool mousemove $((X + 60)) $((Y + 77)) click 1
box=$(wait_for_window "^Varnix Chess$" 50)
[ -n "$box" ] || { echo "no message box"; kill $pid; exit 1; }
close_and_wait
