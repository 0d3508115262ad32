#!/usr/bin/env bash
# The game's window on a real X server: it shows the 640 x 460 client area at a
# whole-number scale, and a window manager's close request ends the program
# at once with status 0.
#
# window_close_test.sh PROGRAM [--title]   (X11_SEND_CLOSE names the close helper)
#
# With --title the program is the game: the close is sent once the title
# screen shows, as the game only looks for it there (during the logo splash
# it would take effect when the splash ends).
set -u
source "$(dirname "$0")/lib.sh"
program=$1
wait_for_title=${2:-}

e2e_begin
start_xvfb 1280x1024x24
start_program "$program"
wait_window Kelvro 10
window=$WINDOW

read -r width height <<<"$(window_size "$window")"
scale=$((width / 640))
[ "$scale" -ge 1 ] && [ "$width" -eq $((640 * scale)) ] && [ "$height" -eq $((460 * scale)) ] ||
  fail "window is ${width}x${height}, not 640x460 at a whole-number scale"

if [ "$wait_for_title" = --title ]; then
  # The title's background covers the band the logo splash leaves white.
  wait_drawn "$window" 10
  wait_region_changes "$window" 0 0 "$width" $((30 * scale)) '#FFFFFF' 20
fi

send_close "$window"
wait_exit "$PROGRAM_PID" 1000
[ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS after the close request"
echo "ok: ${width}x${height} (scale $scale), closed with status 0"
