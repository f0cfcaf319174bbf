#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game natively on Wayland, under a headless Weston of its own, and checks what the
# compositor is told and what it shows: both windows carry the menu entry's id as app id, the
# game-type dialog names the main window as its parent, and the screen shows the whole table
# with its card backs. The headless output has no input devices, so nothing can answer the
# dialog: the game is ended with SIGTERM, and it must still be running by then, end from that
# signal alone, have written its settings file at start-up and report no sanitizer error.
# Usage: wayland_smoke.sh PROGRAM APP_ID ARTIFACT_DIRECTORY
set -euo pipefail

program=$1
app_id=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=e2e_common.sh
source "$here/e2e_common.sh"

for tool in weston weston-screenshooter convert timeout; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

mkdir -p "$artifacts"
workdir=$(mktemp -d)
# Wayland wants the runtime folder private to its user; mktemp makes it so.
runtime=$(mktemp -d)
weston_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2> /dev/null || true; fi
  if [ -n "$weston_pid" ]; then kill "$weston_pid" 2> /dev/null || true; fi
  wait 2> /dev/null || true
  rm -rf "$workdir" "$runtime"
}
trap cleanup EXIT
cd "$workdir"

# A plain background and no panel, so that nothing of the desktop looks like the table; no
# idle time, after which Weston would stop painting and a screenshot would wait for ever.
cat > weston.ini << 'EOF'
[shell]
background-color=0xff303030
panel-position=none
locking=false
EOF
socket="brivmemo-e2e-$$"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
  --width=1280 --height=800 --socket="$socket" --config="$workdir/weston.ini" > weston.log 2>&1 &
weston_pid=$!
wait_until test -S "$runtime/$socket" || { cat weston.log; fail "Weston did not open its socket"; }

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
# The player's own data and preferences stay out of the test.
turn_off_card_flip "$workdir/config"
XDG_CONFIG_HOME=$workdir/config XDG_DATA_HOME=$workdir/data QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" > program.log 2>&1 &
program_pid=$!

# The toplevel whose smallest and largest sizes are this width: the windows are fixed-size.
toplevel_of_width() {
  local min max
  min=$(sed -n "s/.*-> xdg_toplevel@\([0-9]*\)\.set_min_size($1, .*/\1/p" program.log | head -n 1)
  max=$(sed -n "s/.*-> xdg_toplevel@\([0-9]*\)\.set_max_size($1, .*/\1/p" program.log | head -n 1)
  [ -n "$min" ] && [ "$min" = "$max" ] && echo "$min"
}

main_toplevel=""
dialog_toplevel=""
both_windows_open() {
  kill -0 "$program_pid" 2> /dev/null || { cat program.log; fail "the program ended before its windows opened"; }
  main_toplevel=$(toplevel_of_width 800) && dialog_toplevel=$(toplevel_of_width 326)
}
wait_until both_windows_open || { cat program.log; fail "the main window and the game-type dialog did not open"; }

for toplevel in "$main_toplevel" "$dialog_toplevel"; do
  grep -qF -- "-> xdg_toplevel@$toplevel.set_app_id(\"$app_id\")" program.log ||
    fail "xdg_toplevel@$toplevel does not carry the app id $app_id"
done
grep -qF -- "-> xdg_toplevel@$dialog_toplevel.set_parent(xdg_toplevel@$main_toplevel)" program.log ||
  fail "the game-type dialog does not name the main window as its parent"
echo "both windows carry the app id $app_id; the game-type dialog's parent is the main window"

# The table as the main window draws it: a green panel 722 pixels wide, whose top 8 rows lie
# under the menu bar, holding forty places of 82 x 82 pixels (place 7 is 80 high, so that many
# rows of each are compared).
readonly table_green="rgb(0,128,0)"
readonly table_size="722x447"
readonly card_lefts=(16 102 190 277 364 451 539 626)
readonly card_tops=(12 98 184 270 356)
# The dialog lies over the table, where the compositor puts it: its frame hides up to five
# columns of three rows of places. Place 7, two rows shorter, shows the back squeezed.
readonly fewest_backs_seen=24

# The table's place on the screenshot as "WIDTHxHEIGHT+LEFT+TOP": the bounds of its green.
table_bounds() {
  convert "$1" -alpha off -fill black +opaque "$table_green" -fill white -opaque "$table_green" \
    -format '%@' info: 2> /dev/null
}

# How many places show the picture that most of them show, when that picture is more than a
# flat colour; nothing when the table is not whole on the screen.
card_backs_on() {
  local bounds place signatures=()
  bounds=$(table_bounds "$1")
  [ "${bounds%%+*}" = "$table_size" ] || return 1
  convert "$1" -crop "$bounds" +repage table.miff
  for place in $(seq 0 39); do
    signatures+=("$(convert table.miff -crop "82x80+${card_lefts[place % 8]}+${card_tops[place / 8]}" +repage \
      -format '%k %#' info:)")
  done
  printf '%s\n' "${signatures[@]}" | sort | uniq -c | sort -rn | awk 'NR == 1 && $2 > 2 { print $1 }'
}

screenshot=""
backs=0
table_on_screen() {
  rm -f wayland-screenshot-*.png
  timeout 10 weston-screenshooter > /dev/null 2>&1 || return 1
  screenshot=$(find . -maxdepth 1 -name 'wayland-screenshot-*.png' | head -n 1)
  [ -n "$screenshot" ] || return 1
  backs=$(card_backs_on "$screenshot") && [ -n "$backs" ] && [ "$backs" -ge "$fewest_backs_seen" ]
}
# Each try takes and reads a screenshot, which takes a second or so on a busy machine.
table_shown_within_tries() {
  local _
  for _ in $(seq 30); do
    if table_on_screen; then return 0; fi
    sleep 0.1
  done
  return 1
}
if ! table_shown_within_tries; then
  [ -z "$screenshot" ] || cp "$screenshot" "$artifacts/e2e-wayland.png"
  fail "the screen does not show the whole table with its card backs (${backs:-no} alike)"
fi
cp "$screenshot" "$artifacts/e2e-wayland.png"
echo "the table shows $backs alike card backs; the screenshot is $artifacts/e2e-wayland.png"

kill -0 "$program_pid" 2> /dev/null || { cat program.log; fail "the program ended on its own"; }
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=""
if grep -E "ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:" program.log; then
  fail "the sanitizers reported errors"
fi
[ "$status" -eq $((128 + 15)) ] || { cat program.log; fail "the program ended with status $status, not by SIGTERM"; }
[ "$(stat -c %s brivmemo.ini)" -eq 412 ] || fail "the settings file written at start-up is not 412 bytes"
echo "the program ran until SIGTERM ended it, with its 412-byte settings file written"
