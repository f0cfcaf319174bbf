#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game in an empty directory under a virtual X server and uses it as a person
# would: OK in the game-type dialog starts a game, F3 renames both players, Alt+F4 and Enter
# leave. The settings file must then hold exactly the expected record.
# Usage: play_and_exit.sh PROGRAM ARTIFACT_DIRECTORY
set -euo pipefail

program=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
enter_x_session "$artifacts" "$0" "$@"

"$program" > program.log 2>&1 &
pid=$!

wait_until shows "Brivosta Memory Game" 800
wait_until shows "Brivosta Memory Game" 326
main=$(window_of "Brivosta Memory Game" 800)
focus "$(window_of "Brivosta Memory Game" 326)"
xdotool key Return
wait_until gone "Brivosta Memory Game" 326

focus "$main"
xdotool key F3
wait_until shows "Options" 307
options=$(window_of "Options" 307)
focus "$options"
# The two name fields, in the middle of each.
xdotool mousemove --window "$options" 117 189 click 1 key ctrl+a type Ann
xdotool mousemove --window "$options" 117 235 click 1 key ctrl+a type Bob
xdotool key Return
wait_until gone "Options" 307

focus "$main"
# Two cards of the first row, so the screenshot shows a game in progress.
xdotool mousemove --window "$main" 98 80 click 1 mousemove --window "$main" 184 80 click 1
import -window root "$artifacts/e2e-game.png"

xdotool key alt+F4
wait_until shows "Confirm"
focus "$(window_of "Confirm")"
xdotool key Return
wait_until bash -c "! kill -0 $pid 2> /dev/null"
status=0
wait "$pid" || status=$?
cat program.log
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }

# Speed 1000, the new names over the old ones (whose bytes beyond the new length stay), level 2.
{
  printf '\xe8\x03\x00\x00'
  printf '\x03Annyer 1'
  head -c 193 /dev/zero
  printf '\x03Bobyer 2'
  head -c 193 /dev/zero
  printf '\x02\x00\x00\x00'
} > expected.ini
cmp brivmemo.ini expected.ini
echo "brivmemo.ini holds the expected 412 bytes"
