# The end-to-end harness: a private X server, the program under test, and
# looks at its window. Source it from a test script; every helper fails the
# test (exit 1) with the paths of what it has gathered so far.
#
#   e2e_begin                      temp dir in $E2E_TMP, cleanup on exit (the
#                                  dir stays when the test failed)
#   start_xvfb [SCREEN]            a fresh X server on a free display; sets DISPLAY
#   start_program PROGRAM [ARGS]   runs it in the background; sets PROGRAM_PID,
#                                  output in $E2E_TMP/program.out and .err
#   wait_window TITLE [SECONDS]    sets WINDOW to the id of the window of the
#                                  program titled exactly TITLE
#   window_size ID                 prints "WIDTH HEIGHT"
#   wait_drawn ID [SECONDS]        waits until the window shows more than black
#   wait_region_changes ID X Y W H #RRGGBB [SECONDS]
#                                  waits until that region is no longer all one colour
#   screenshot ID FILE             the window's contents as a PNG
#   region_colours FILE X Y W H    prints the distinct colours of a region, one
#                                  "#RRGGBB" a line
#   expect_region FILE X Y W H #RRGGBB   fails unless the region is all that colour
#   send_close ID                  a window manager's close request
#   wait_exit PID MILLISECONDS     waits for the program; sets EXIT_STATUS, fails
#                                  when it is still running after the deadline
#   fail MESSAGE                   ends the test

: "${X11_SEND_CLOSE:?X11_SEND_CLOSE must name the x11_send_close helper}"

# Sound goes nowhere unless a test asks for a device of its own.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

E2E_PIDS=()

fail() {
  E2E_KEEP=1
  echo "FAIL: $*" >&2
  echo "  files: $E2E_TMP" >&2
  local log
  for log in "$E2E_TMP"/*.out "$E2E_TMP"/*.err "$E2E_TMP"/*.log; do
    [ -s "$log" ] && { echo "  --- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

# Newest first, each gone before the next: the programs before the X server
# they draw on.
e2e_cleanup() {
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null
    wait "${E2E_PIDS[i]}" 2>/dev/null
  done
  # What a failed test gathered stays for a look; a passed test leaves nothing.
  [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_TMP"
  return 0
}

e2e_begin() {
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/kelvro-e2e.XXXXXX")
  trap e2e_cleanup EXIT
}

start_xvfb() {
  local screen=${1:-1280x1024x24} attempt display pid tries
  # A display number picked at random, not the lowest free one: a server
  # that another test is just shutting down still removes its socket, and
  # that must never be the socket of a new server on the same number.
  for attempt in $(seq 20); do
    display=$((RANDOM % 30000 + 1000))
    [ -e "/tmp/.X$display-lock" ] && continue
    # Xvfb writes the number once it accepts connections. Without -noreset it
    # would start over whenever its last client leaves (the probe below),
    # refusing the program that connects in that moment.
    : >"$E2E_TMP/xvfb.display"
    Xvfb ":$display" -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp \
      3>"$E2E_TMP/xvfb.display" >"$E2E_TMP/xvfb.log" 2>&1 &
    pid=$!
    for tries in $(seq 100); do
      if [ -s "$E2E_TMP/xvfb.display" ] && kill -0 "$pid" 2>/dev/null &&
        DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then
        E2E_PIDS+=("$pid")
        export DISPLAY=":$display"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break  # the number was taken after all
      sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  fail "Xvfb did not start"
}

start_program() {
  "$@" >"$E2E_TMP/program.out" 2>"$E2E_TMP/program.err" &
  PROGRAM_PID=$!
  E2E_PIDS+=("$PROGRAM_PID")
}

wait_window() {
  local title=$1 seconds=${2:-10} tries
  for tries in $(seq $((seconds * 20))); do
    WINDOW=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ] && return 0
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before its window showed"
    sleep 0.05
  done
  fail "no visible window titled '$title' within ${seconds} s"
}

window_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w, h}'
}

# A mapped window is black until the program's first picture reaches it.
wait_drawn() {
  local id=$1 seconds=${2:-10} tries
  for tries in $(seq $((seconds * 10))); do
    screenshot "$id" "$E2E_TMP/drawn.png"
    [ "$(region_colours "$E2E_TMP/drawn.png" 0 0 100000 100000 | tr '\n' ' ')" != "#000000 " ] &&
      return 0
    sleep 0.1
  done
  fail "window $id still shows nothing after ${seconds} s"
}

# Waits until a region of the window is no longer all COLOUR.
wait_region_changes() {
  local id=$1 x=$2 y=$3 w=$4 h=$5 colour=$6 seconds=${7:-10} start
  start=$(date +%s)
  while [ $(($(date +%s) - start)) -lt "$seconds" ]; do
    screenshot "$id" "$E2E_TMP/changing.png"
    [ "$(region_colours "$E2E_TMP/changing.png" "$x" "$y" "$w" "$h" | tr '\n' ' ')" != "$colour " ] &&
      return 0
    sleep 0.1
  done
  fail "region ${w}x${h}+${x}+${y} of window $id still all $colour after ${seconds} s"
}

screenshot() {
  import -window "$1" "png:$2" 2>"$E2E_TMP/import.log" || fail "cannot take a screenshot of window $1"
}

region_colours() {
  local file=$1 x=$2 y=$3 w=$4 h=$5
  convert "$file" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 -unique-colors txt:- |
    grep -o '#[0-9A-Fa-f]\{6\}' | tr 'a-f' 'A-F'
}

expect_region() {
  local file=$1 x=$2 y=$3 w=$4 h=$5 colour=$6 found
  found=$(region_colours "$file" "$x" "$y" "$w" "$h" | tr '\n' ' ')
  [ "$found" = "$colour " ] ||
    fail "region ${w}x${h}+${x}+${y} of $file should be $colour only, has: $found"
}

send_close() {
  "$X11_SEND_CLOSE" "$1" || fail "could not send the close request to window $1"
}

wait_exit() {
  local pid=$1 deadline_ms=$2 start now
  start=$(date +%s%N)
  while kill -0 "$pid" 2>/dev/null; do
    now=$(date +%s%N)
    [ $(((now - start) / 1000000)) -le "$deadline_ms" ] ||
      fail "the program was still running ${deadline_ms} ms later"
    sleep 0.01
  done
  wait "$pid"
  EXIT_STATUS=$?
}
