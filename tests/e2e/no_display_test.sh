#!/usr/bin/env bash
# Without a display the game cannot open its window: one line on stderr that
# says so, and status 1. Both "no DISPLAY at all" and "a DISPLAY where no
# server listens" are tried.
#
# no_display_test.sh PROGRAM
set -u
export X11_SEND_CLOSE=${X11_SEND_CLOSE:-unused}
source "$(dirname "$0")/lib.sh"
program=$1

e2e_begin
check_no_display() {
  local what=$1
  shift
  env "$@" "$program" >"$E2E_TMP/program.out" 2>"$E2E_TMP/program.err" &
  local pid=$!
  E2E_PIDS+=("$pid")
  wait_exit "$pid" 10000
  [ "$EXIT_STATUS" -eq 1 ] || fail "$what: status $EXIT_STATUS, expected 1"
  local lines
  lines=$(wc -l <"$E2E_TMP/program.err")
  [ "$lines" -eq 1 ] || fail "$what: $lines lines on stderr, expected 1"
  grep -q '^kelvro: cannot open the game window:' "$E2E_TMP/program.err" ||
    fail "$what: stderr does not say the window could not be opened"
  echo "ok: $what: $(cat "$E2E_TMP/program.err")"
}

# A display number no server listens on.
unused=99
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ]; do unused=$((unused + 1)); done

# Wayland would be tried too where a compositor runs; leave only X out.
check_no_display "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY
check_no_display "DISPLAY :$unused without a server" -u WAYLAND_DISPLAY DISPLAY=":$unused"
