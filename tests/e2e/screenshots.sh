#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Opens every window of the game under a virtual X server, the way a person reaches it, and
# saves a picture of each into the artifact directory: the game-type dialog at start-up, a game
# in progress, the options dialog, the help and the about window. The pictures in docs/ are
# these. Each window must come up at its size and go away again, and the game must play. With
# SCALE 2 the screen has twice the pixel density, and so do the pictures.
# Usage: screenshots.sh PROGRAM ARTIFACT_DIRECTORY [SCALE]
set -euo pipefail

program=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
x_session_scale=${3:-1}
x_session_tools+=(identify compare)
x_session_first_display=150
enter_x_session "$artifacts" "$0" "$@"

"$program" > program.log 2>&1 &
pid=$!
trap 'kill $pid 2> /dev/null || true; cat program.log' EXIT

# Saves the window as artifacts/screenshot-NAME.png and checks that the picture has the
# window's size.
take() {
  local window=$1 name=$2 file="$artifacts/screenshot-$2.png" size
  size="$(window_width "$window")x$(window_height "$window")"
  import -window "$window" "$file"
  [ "$(identify -format '%wx%h' "$file")" = "$size" ] || fail "the picture of the $name is not $size"
  echo "saved $file ($size)"
}

# Waits for the window, pictures it, then answers it with the keys and waits until it is gone.
picture_and_leave() {
  local title=$1 width=$2 name=$3 window
  shift 3
  wait_until shows "$title" "$width" || fail "the $name did not open"
  window=$(window_of "$title" "$width")
  take "$window" "$name"
  focus "$window"
  xdotool key "$@"
  wait_until gone "$title" "$width" || fail "the $name did not close"
}

wait_until shows "Brivosta Memory Game" 800
use_main_window "$(window_of "Brivosta Memory Game" 800)"
picture_and_leave "Brivosta Memory Game" 326 game-type Return

# The game is played by both people of a HUMAN x HUMAN game, who remember every face they have
# seen, until four pairs have left the table. The picture is taken in the move after that,
# with two cards face up.
declare -A face_at taken
pairs=0

# A digest of the pixels that place 1..40 shows now.
signature() {
  capture_card "$1" signature.png && identify -format '%#' signature.png
}

shows_other_than() {
  local now
  now=$(signature "$1") && [ -n "$now" ] && [ "$now" != "$2" ]
}

# Turns the place face up and remembers its face.
turn_up() {
  click_card "$1"
  wait_until shows_other_than "$1" "$back" || fail "place $1 did not turn face up"
  face_at[$1]=$(signature "$1")
}

unknown_place() {
  local place
  for place in $(seq 40); do
    if [ -z "${face_at[$place]:-}" ]; then
      echo "$place"
      return 0
    fi
  done
  return 1
}

# The other place known to hold the face of place $1, if it is still on the table.
partner_of() {
  local place
  for place in "${!face_at[@]}"; do
    if [ "$place" != "$1" ] && [ -z "${taken[$place]:-}" ] && [ "${face_at[$place]}" = "${face_at[$1]}" ]; then
      echo "$place"
      return 0
    fi
  done
  return 1
}

known_pair() {
  local place
  for place in "${!face_at[@]}"; do
    if [ -z "${taken[$place]:-}" ] && partner_of "$place" > /dev/null; then
      echo "$place $(partner_of "$place")"
      return 0
    fi
  done
  return 1
}

# One move of the player whose turn it is, up to the end of the move.
play_move() {
  local first second
  if read -r first second <<< "$(known_pair)" && [ -n "$first" ]; then
    turn_up "$first"
  else
    first=$(unknown_place)
    turn_up "$first"
    second=$(partner_of "$first" || unknown_place)
  fi
  turn_up "$second"
  wait_until shows_other_than "$first" "${face_at[$first]}" || fail "the move was never ended"
  if [ "${face_at[$first]}" = "${face_at[$second]}" ]; then
    taken[$first]=1 taken[$second]=1
    pairs=$((pairs + 1))
  fi
}

focus "$main_window"
wait_until cards_look_alike 1 8
back=$(signature 8)
for _ in $(seq 30); do
  [ "$pairs" -lt 4 ] || break
  play_move
done
[ "$pairs" -ge 4 ] || fail "thirty moves took fewer than four pairs"

# A picture taken while the second card still shows the face it showed before was taken with
# both cards face up; otherwise the move has ended and the next one is tried.
for attempt in 1 2 3; do
  first=$(unknown_place)
  turn_up "$first"
  second=$(unknown_place)
  turn_up "$second"
  take "$main_window" game
  [ "$(signature "$second")" != "${face_at[$second]}" ] || break
  [ "$attempt" -lt 3 ] || fail "every move ended before its picture was taken"
  [ "${face_at[$first]}" != "${face_at[$second]}" ] || taken[$first]=1 taken[$second]=1
done

focus "$main_window"
xdotool key F3
picture_and_leave Options 307 options Escape

focus "$main_window"
xdotool key F1
picture_and_leave Help 473 help alt+o

focus "$main_window"
xdotool key alt+h a
picture_and_leave "About Brivosta Memory Game" 334 about Return

focus "$main_window"
xdotool key alt+F4
wait_until shows "Confirm"
focus "$(window_of "Confirm")"
xdotool key Return
wait_until bash -c "! kill -0 $pid 2> /dev/null" || fail "the program did not end"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
