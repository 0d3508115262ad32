#!/usr/bin/env bash
# The real program on a virtual X server: the time from start to the first
# picture of the logo splash on the window, and the CPU the whole process
# uses during one minute of the title screen (goal: under 5 % of one core).
#
# startup_and_title_cpu.sh KELVRO [SECONDS]
# Prints, as its last line:
#   title startup_ms=S title_cpu_percent=C seconds=N
set -u
program=$1
seconds=${2:-60}
X11_SEND_CLOSE=${X11_SEND_CLOSE:-true}  # the harness wants it; the program is killed
source "$(dirname "$0")/../tests/e2e/lib.sh"

e2e_begin
start_xvfb 1280x1024x24
started=$(date +%s%N)
start_program "$program"
wait_window Kelvro 20
window=$WINDOW
# The first picture: anything but the black of a window nothing reached yet.
shot=$E2E_TMP/first.png
until import -window "$window" "png:$shot" 2>/dev/null &&
  [ "$(region_colours "$shot" 0 0 100000 100000 | tr '\n' ' ')" != "#000000 " ]; do
  sleep 0.01
done
startup_ms=$((($(date +%s%N) - started) / 1000000))

# The title: its background covers the splash's white band.
wait_region_changes "$window" 0 0 640 20 '#FFFFFF' 20
cpu_ticks() { awk '{print $14 + $15}' "/proc/$PROGRAM_PID/stat"; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended during the title"
hz=$(getconf CLK_TCK)
percent=$(awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f", 100 * t / hz / s}')
echo "title startup_ms=$startup_ms title_cpu_percent=$percent seconds=$seconds"
