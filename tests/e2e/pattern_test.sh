#!/usr/bin/env bash
# What the platform puts on the screen is the client area's pixels: colours in
# the right order, the top row at the top, each pixel a whole block of
# scale x scale screen pixels with nothing blended at the edges.
#
# pattern_test.sh PROBE   (PROBE is e2e-window-probe; see its --pattern)
set -u
source "$(dirname "$0")/lib.sh"
probe=$1

e2e_begin
start_xvfb 1280x1024x24
start_program "$probe" --pattern
wait_window Kelvro 10
window=$WINDOW
read -r width height <<<"$(window_size "$window")"
s=$((width / 640))

shot="$E2E_TMP/pattern.png"
wait_drawn "$window" 10
screenshot "$window" "$shot"
expect_region "$shot" 0 0 $((320 * s)) $((230 * s)) '#FF0000'
expect_region "$shot" $((320 * s)) 0 $((320 * s)) $((230 * s)) '#FFFFFF'
expect_region "$shot" $((320 * s)) $((230 * s)) $((320 * s)) $((230 * s)) '#0000FF'
# The one-pixel column at x = 100, rows 300 to 399, and white right beside it.
expect_region "$shot" $((100 * s)) $((300 * s)) "$s" $((100 * s)) '#000000'
expect_region "$shot" 0 $((230 * s)) $((100 * s)) $((230 * s)) '#FFFFFF'
expect_region "$shot" $((101 * s)) $((230 * s)) $((219 * s)) $((230 * s)) '#FFFFFF'

send_close "$window"
wait_exit "$PROGRAM_PID" 1000
[ "$EXIT_STATUS" -eq 0 ] || fail "the probe ended with status $EXIT_STATUS"
echo "ok: pattern at scale $s"
