#!/usr/bin/env bash
# A player's first minute on a real X server: the logo splash, the title,
# Space for a game, the stage-start card, play hanging on the hook while
# Space is held, Escape out of the game and (held) out of the program; then a
# second run closed in the middle of play. Sound goes to
# SDL's disk driver, whose output must hold the music.
#
# play_test.sh PROGRAM   (X11_SEND_CLOSE names the close helper)
set -u
source "$(dirname "$0")/lib.sh"
program=$1

e2e_begin
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/audio.raw"
start_xvfb 1280x1024x24
start_program "$program"
wait_window Kelvro 10
window=$WINDOW
read -r width height <<<"$(window_size "$window")"
scale=$((width / 640))

# The splash: white around the logo, also in the band above the face.
wait_drawn "$window" 10
screenshot "$window" "$E2E_TMP/1-splash.png"
expect_region "$E2E_TMP/1-splash.png" 0 0 "$width" $((10 * scale)) '#FFFFFF'

# The title's scrolling background covers that band.
wait_region_changes "$window" 0 0 "$width" $((10 * scale)) '#FFFFFF' 20
sleep 1
screenshot "$window" "$E2E_TMP/2-title.png"

hold() { xdotool windowfocus --sync "$window" keydown "$1" || fail "xdotool could not hold $1"; }
release() { xdotool keyup "$1" || fail "xdotool could not release $1"; }
# The game reads the keys once a frame, as a player's press lasts longer than one.
press() {
  hold "$1"
  sleep 0.2
  release "$1"
}

press space
sleep 1
screenshot "$window" "$E2E_TMP/3-card.png"
# The card's STAGE label stands where the title shows only background.
[ "$(region_colours "$E2E_TMP/3-card.png" $((150 * scale)) $((192 * scale)) $((256 * scale)) $((32 * scale)) | wc -l)" -gt \
  "$(region_colours "$E2E_TMP/2-title.png" $((150 * scale)) $((192 * scale)) $((256 * scale)) $((32 * scale)) | wc -l)" ] ||
  fail "no stage-start card after Space on the title"

# Space held from the card on: the hook flies on the first frame, catches on
# the blocks above the start and holds the player on the rope for as long as
# Space stays down, so the player cannot fall out before Escape, however
# slowly this machine runs the test.
hold space
sleep 2.5
screenshot "$window" "$E2E_TMP/4-hanging.png"
sleep 0.5
screenshot "$window" "$E2E_TMP/5-swinging.png"
# The card is gone and the frame counter runs.
cmp -s "$E2E_TMP/4-hanging.png" "$E2E_TMP/5-swinging.png" && fail "nothing moved during play"
# Escape ends the game at the end of the frame; still held on the title that
# follows, it ends the program.
release space
hold Escape
wait_exit "$PROGRAM_PID" 3000
release Escape
[ "$EXIT_STATUS" -eq 0 ] || fail "Escape ended the program with status $EXIT_STATUS"

# Again, and this time the window is closed in the middle of play: the
# program must not play on unseen, but end at once.
start_program "$program"
wait_window Kelvro 10
window=$WINDOW
wait_drawn "$window" 10
wait_region_changes "$window" 0 0 "$width" $((10 * scale)) '#FFFFFF' 20
press space
hold space
sleep 3
screenshot "$window" "$E2E_TMP/6-before-close.png"
send_close "$window"
wait_exit "$PROGRAM_PID" 2500
release space
[ "$EXIT_STATUS" -eq 0 ] || fail "closing during play ended the program with status $EXIT_STATUS"

# The disk driver writes the mixed output as 16-bit stereo at the device's rate.
[ -s "$E2E_TMP/audio.raw" ] || fail "no sound reached the audio device"
peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$E2E_TMP/audio.raw" -n stat 2>&1 |
  awk '/Maximum amplitude/ {print $3}')
awk -v p="$peak" 'BEGIN {exit !(p > 0.05)}' || fail "the sound output is silent (peak $peak)"
[ -n "${E2E_SHOTS:-}" ] && cp "$E2E_TMP"/*.png "$E2E_SHOTS"/
echo "ok: splash, title, card, play, Escape, close during play; sound peak $peak"
