#!/usr/bin/env bash
# A window the program has not drawn into shows its class's background: the
# probe's window, at a whole-number scale, is white all over.
#
# window_white_test.sh PROBE   (PROBE is e2e-window-probe)
set -u
source "$(dirname "$0")/lib.sh"
probe=$1

e2e_begin
start_xvfb 1280x1024x24
start_program "$probe"
wait_window Kelvro 10
window=$WINDOW
read -r width height <<<"$(window_size "$window")"
scale=$((width / 640))
[ "$scale" -ge 1 ] && [ "$width" -eq $((640 * scale)) ] && [ "$height" -eq $((460 * scale)) ] ||
  fail "window is ${width}x${height}, not 640x460 at a whole-number scale"

wait_drawn "$window" 10
shot="$E2E_TMP/white.png"
screenshot "$window" "$shot"
expect_region "$shot" 0 0 "$width" "$height" '#FFFFFF'

send_close "$window"
wait_exit "$PROGRAM_PID" 1000
[ "$EXIT_STATUS" -eq 0 ] || fail "the probe ended with status $EXIT_STATUS"
echo "ok: ${width}x${height} all white"
