#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The statistics window of the real program under a virtual X server: a few games are written
# into a temporary data folder through the game's own statistics writer, the game is started,
# the window is opened from the Extras menu with the keyboard alone, pictured and closed with
# Esc. No other window may come up: a file that is in order is opened without a word. With
# SCALE 2 the screen has twice the pixel density, and so does the picture.
# Usage: statistics_window.sh WRITER PROGRAM ARTIFACT_DIRECTORY [SCALE]
set -euo pipefail

writer=$1
program=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
x_session_scale=${4:-1}
x_session_tools+=(identify)

x_session_prepare() {
  use_temporary_xdg_folders
  "$writer" "$XDG_DATA_HOME/brivmemo/statistics.sqlite" 14 > /dev/null
}

enter_x_session "$artifacts" "$0" "$@"

use_temporary_xdg_folders
"$program" > program.log 2>&1 &
pid=$!
trap 'kill $pid 2> /dev/null || true; cat program.log' EXIT

wait_until shows "Brivosta Memory Game" 800
wait_until shows "Brivosta Memory Game" 326
main=$(window_of "Brivosta Memory Game" 800)
focus "$(window_of "Brivosta Memory Game" 326)"
xdotool key Return
wait_until gone "Brivosta Memory Game" 326

focus "$main"
xdotool key alt+e
xdotool key t
wait_until shows "Statistics" || fail "the statistics window did not open"
window=$(window_of "Statistics")
file="$artifacts/screenshot-statistics.png"
import -window "$window" "$file"
size="$(window_width "$window")x$(window_height "$window")"
[ "$(identify -format '%wx%h' "$file")" = "$size" ] || fail "the picture of the window is not $size"
echo "saved $file ($size)"
shows "Brivosta Vire" && fail "a message came up beside the statistics"

focus "$window"
xdotool key Escape
wait_until gone "Statistics" || fail "the statistics window did not close"
