#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A player's own card set, from pictures to the table: the tool makes a set of plain colours
# drawn here and installs it into a temporary data folder; the game, started under a virtual X
# server, is given the set through the Extras menu with the keyboard alone, and the cards on the
# screen must then show the set's back and, once turned, one of its faces.
# Usage: card_set_choice.sh TOOL PROGRAM ARTIFACT_DIRECTORY
set -euo pipefail

cardset_tool=$1
program=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
x_session_tools+=(convert)

# The back is blue; face N is the grey-free yellow of level 12 * N, so that no two faces look
# alike to the tool and every face is known by its colour.
readonly back_color="0,0,200"
face_color() { echo "$((12 * $1)),$((12 * $1)),0"; }

x_session_prepare() {
  use_temporary_xdg_folders
  local face faces=()
  convert -size 64x64 "xc:rgb($back_color)" back.png
  for face in $(seq 20); do
    convert -size 64x64 "xc:rgb($(face_color "$face"))" "face$face.png"
    faces+=("face$face.png")
  done
  # A name that sorts before every set the game ships, so that it is the menu's second item.
  # Outside the X server the tool draws on Qt's offscreen platform.
  QT_QPA_PLATFORM=offscreen "$cardset_tool" make --output colours --name "0 Plain Colours" back.png "${faces[@]}"
  QT_QPA_PLATFORM=offscreen "$cardset_tool" install colours
}

enter_x_session "$artifacts" "$0" "$@"

use_temporary_xdg_folders
"$program" > program.log 2>&1 &
pid=$!

wait_until shows "Brivosta Memory Game" 800
wait_until shows "Brivosta Memory Game" 326
main=$(window_of "Brivosta Memory Game" 800)
focus "$(window_of "Brivosta Memory Game" 326)"
xdotool key Return
wait_until gone "Brivosta Memory Game" 326
use_main_window "$main"

# The colour in the middle of place 1..40 on the screen, as "R,G,B".
card_color() {
  capture_card "$1" card_color.png && convert card_color.png -format '%[fx:int(255*p{41,41}.r)],%[fx:int(255*p{41,41}.g)],%[fx:int(255*p{41,41}.b)]' info:
}
card_shows() { [ "$(card_color "$1")" = "$2" ]; }
card_shows_a_face() {
  local color face
  color=$(card_color "$1") || return 1
  for face in $(seq 20); do
    [ "$color" != "$(face_color "$face")" ] || return 0
  done
  return 1
}

card_shows 8 "$back_color" && fail "the set's back shows before the set was chosen"
focus "$main"
# Extras, then Card Set, then the second set in it: the game's own set comes first.
xdotool key alt+e
xdotool key c
xdotool key Down Return
wait_until card_shows 8 "$back_color" || fail "the face-down cards do not show the set's back"

click_card 1
wait_until card_shows_a_face 1 || fail "the turned card shows none of the set's faces"
import -window root "$artifacts/e2e-card-set.png"

focus "$main"
xdotool key alt+F4
wait_until shows "Confirm"
focus "$(window_of "Confirm")"
xdotool key Return
wait_until bash -c "! kill -0 $pid 2> /dev/null"
status=0
wait "$pid" || status=$?
cat program.log
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -qx "CardSet=colours" "$XDG_CONFIG_HOME/brivmemo/extras.ini" || fail "the choice was not kept"
echo "the chosen set showed its back and a face, and was kept"
