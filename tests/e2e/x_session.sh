# SPDX-License-Identifier: MIT
# Sourced by the end-to-end scripts, which run themselves again inside a virtual X server:
# entering that server, finding the program's windows by title and width, and looking at the
# cards of the main window.

# shellcheck source=e2e_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

# What the calling script may set before it calls enter_x_session: the tools it needs, the
# first display number xvfb-run tries (its own default when empty), a command that the
# script's run inside the server is started under, and the screen's scale: 2 runs the program
# on a screen of twice the pixel density, where every window and card is twice as large.
x_session_tools=(xvfb-run xdotool import)
x_session_first_display=""
x_session_runner=()
x_session_scale=1

# The start of every script: enter_x_session ARTIFACT_DIRECTORY SCRIPT ARGUMENTS...
# Without one of the tools the test is skipped. Outside the server it makes the artifact
# directory, moves into a fresh working directory that is removed at exit, runs the script's
# function x_session_prepare (when it has one) there, runs the script again inside a virtual
# X server with the same arguments, then x_session_check (when there is one), and ends the
# script: with a failure when the run inside failed. Inside the server it returns.
enter_x_session() {
  local artifacts=$1 tool
  shift
  for tool in "${x_session_tools[@]}"; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  [ -z "${BRIVMEMO_E2E_INSIDE_X:-}" ] || return 0

  mkdir -p "$artifacts"
  x_session_workdir=$(mktemp -d)
  trap 'rm -rf "$x_session_workdir"' EXIT
  cd "$x_session_workdir" || exit 1
  # The player's own preferences stay out of the test.
  export XDG_CONFIG_HOME=$PWD/xdg-config-home
  turn_off_card_flip "$XDG_CONFIG_HOME"
  if declare -F x_session_prepare > /dev/null; then x_session_prepare; fi
  local display=() screen="1024x768x24" scaled=()
  [ -z "$x_session_first_display" ] || display=(-n "$x_session_first_display")
  if [ "$x_session_scale" != 1 ]; then
    screen="$((1200 * x_session_scale))x$((800 * x_session_scale))x24"
    scaled=(QT_SCALE_FACTOR="$x_session_scale")
  fi
  "${x_session_runner[@]}" env BRIVMEMO_E2E_INSIDE_X=1 "${scaled[@]}" \
    xvfb-run -a "${display[@]}" -s "-screen 0 $screen" bash "$@"
  if declare -F x_session_check > /dev/null; then x_session_check; fi
  exit 0
}

window_width() {
  xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}

window_height() {
  xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'
}

# The visible window with this title and, when given, this width (before the screen's scale).
window_of() {
  local title=$1 width=${2:-} id
  for id in $(xdotool search --onlyvisible --name "^$title\$" 2> /dev/null); do
    if [ -z "$width" ] || [ "$(window_width "$id")" = "$((width * x_session_scale))" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

shows() { window_of "$@" > /dev/null; }
gone() { ! window_of "$@" > /dev/null; }

# A visible window with this title other than the given one.
another_window_of() {
  local title=$1 other=$2 id
  for id in $(xdotool search --onlyvisible --name "^$title\$" 2> /dev/null); do
    if [ "$id" != "$other" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Without a window manager nothing gives a window the focus but us.
focus() { xdotool windowfocus --sync "$1"; }

export QT_QPA_PLATFORM=xcb

# The card grid of the main window: the client area is 800 x 534 under the menu bar, the card
# panel starts at (38, -8) in it, and each card is 82 pixels square; all of it times the
# screen's scale on the screen.
readonly card_lefts=(16 102 190 277 364 451 539 626)
readonly card_tops=(20 106 192 278 364)
main_window=""
menu_bar_height=0

# Remembers the main window, for the card helpers below.
use_main_window() {
  main_window=$1
  menu_bar_height=$(($(window_height "$main_window") - 534 * x_session_scale))
}

# The top-left corner of place 1..40 in the main window, as "x y".
card_corner() {
  local place=$(($1 - 1)) s=$x_session_scale
  echo "$(((38 + card_lefts[place % 8]) * s)) $((menu_bar_height + (card_tops[place / 8] - 8) * s))"
}

click_card() {
  local x y
  read -r x y <<< "$(card_corner "$1")"
  xdotool mousemove --window "$main_window" $((x + 41 * x_session_scale)) $((y + 41 * x_session_scale)) click 1
}

# Saves what place 1..40 shows on the screen into a picture file.
capture_card() {
  local x y
  read -r x y <<< "$(card_corner "$1")"
  local side=$((82 * x_session_scale))
  import -window "$main_window" -crop "${side}x${side}+$x+$y" +repage "$2"
}

# The number of pixels in which two pictures of the same size differ.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | sed -n 's/^\([0-9]*\).*/\1/p'
}

# How many pixels differ between what two places show now; nothing when a capture failed.
cards_difference() {
  capture_card "$1" card_a.png && capture_card "$2" card_b.png && differing_pixels card_a.png card_b.png
}

# Place 8 is never clicked by the tests, so while the table is dealt it shows the card back.
cards_look_alike() { [ "$(cards_difference "$@")" = 0 ]; }

cards_look_different() {
  local count
  count=$(cards_difference "$@")
  [ -n "$count" ] && [ "$count" -gt 0 ]
}

# Whether place 1..40 no longer shows the picture saved in the file.
card_changed_from() {
  local count
  capture_card "$1" card_now.png || return 1
  count=$(differing_pixels card_now.png "$2")
  [ -n "$count" ] && [ "$count" -gt 0 ]
}

# One move of the human player on a freshly dealt table: places 1 and 2 turn face up, then the
# pacing timer ends the move (both turn back, or both leave the table as a pair).
play_one_move() {
  click_card 1
  wait_until cards_look_different 1 8 || fail "place 1 did not turn face up"
  # Place 1 stays face up until a second card ends the move. Place 2 is not caught face up: at
  # the fast speed the move may end before a busy machine takes a screenshot.
  capture_card 1 face_up.png
  click_card 2
  wait_until card_changed_from 1 face_up.png || fail "the move was never ended"
}
