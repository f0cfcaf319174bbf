#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game under a virtual X server in a directory whose "brivmemo.ini" is damaged in one
# way, and uses it as a person would. A file that cannot be read raises the standard error box
# while the main window is built and again at its first activation, which then stops before the
# game-type dialog and leaves the table locked; a file the program can read raises none. Either
# way New Game must give a table that plays, and a confirmed exit must leave the expected bytes,
# or, where the file cannot be written, show the error and keep the window open.
# Usage: damaged_settings.sh CASE PROGRAM ARTIFACT_DIRECTORY
set -euo pipefail

case_name=$1
program=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
x_session_tools+=(compare)

le32() {
  local value=$(($1 & 0xFFFFFFFF))
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((value & 255)) $((value >> 8 & 255)) \
    $((value >> 16 & 255)) $((value >> 24 & 255)))"
}

# A name field: the length byte, the characters, zeros up to its 202 bytes.
name_field() {
  printf "$(printf '\\x%02x' "$1")"
  printf '%s' "$2"
  head -c $((201 - ${#2})) /dev/zero
}

# record SPEED LENGTH1 NAME1 LENGTH2 NAME2 LEVEL
record() {
  le32 "$1"
  name_field "$2" "$3"
  name_field "$4" "$5"
  le32 "$6"
}

# 201 characters that differ along the field, so a shifted field shows.
readonly long_name=$(printf '%s' {a..z}{0..9} | head -c 201)

# What each case expects:
#   start_fails   the file cannot be read, so both readings at start-up raise the error box
#   exit_saves    the confirmed exit writes the file (otherwise it raises the error box)
#   picks_level   the test chooses Beginner in the menu before leaving
start_fails=0
exit_saves=1
picks_level=0
case "$case_name" in
  empty | one-byte | 411-bytes) start_fails=1 ;;
  folder | read-only) start_fails=1 exit_saves=0 ;;
  10-megabytes) picks_level=1 ;;
  long-name-lengths | zero-speed | negative-speed | level-99) ;;
  *) echo "unknown case $case_name" >&2; exit 2 ;;
esac

# Writes the damaged brivmemo.ini and the bytes expected after the test, in expected.ini, or
# in a copy of the folder for the folder case.
write_case_files() {
  # Nothing of a file that could not be read reaches the settings: the exit writes the empty
  # settings the program starts with, and the level marked in the menu at start.
  local unread_settings
  unread_settings=$(record 0 0 "" 0 "" 2 | base64 -w0)
  case "$case_name" in
    empty)
      : > brivmemo.ini
      base64 -d <<< "$unread_settings" > expected.ini
      ;;
    one-byte)
      printf '\x07' > brivmemo.ini
      base64 -d <<< "$unread_settings" > expected.ini
      ;;
    411-bytes)
      record 3000 3 Ann 3 Bob 1 | head -c 411 > brivmemo.ini
      base64 -d <<< "$unread_settings" > expected.ini
      ;;
    10-megabytes)
      (yes "the rest of a longer settings file" || true) | head -c 10485760 > tail.bin
      { record 500 3 Ann 3 Bob 3; cat tail.bin; } > brivmemo.ini
      { record 500 3 Ann 3 Bob 1; cat tail.bin; } > expected.ini
      rm tail.bin
      ;;
    long-name-lengths)
      record 3000 255 "$long_name" 202 "$long_name" 1 > brivmemo.ini
      record 3000 201 "$long_name" 201 "$long_name" 1 > expected.ini
      ;;
    zero-speed)
      record 0 3 Ann 3 Bob 2 > brivmemo.ini
      cp brivmemo.ini expected.ini
      ;;
    negative-speed)
      record -1000 3 Ann 3 Bob 1 > brivmemo.ini
      cp brivmemo.ini expected.ini
      ;;
    level-99)
      record 500 3 Ann 3 Bob 99 > brivmemo.ini
      record 500 3 Ann 3 Bob 3 > expected.ini
      ;;
    folder)
      mkdir brivmemo.ini
      record 1000 3 Ann 3 Bob 2 > brivmemo.ini/kept
      cp -r brivmemo.ini expected.ini
      ;;
    read-only)
      record 3000 3 Ann 3 Bob 1 > brivmemo.ini
      cp brivmemo.ini expected.ini
      chmod a-w brivmemo.ini
      ;;
  esac
}

check_case_files() {
  if [ "$case_name" = folder ]; then
    [ -d brivmemo.ini ] || fail "the folder brivmemo.ini was replaced"
    diff -r brivmemo.ini expected.ini || fail "the folder brivmemo.ini was changed"
  else
    cmp brivmemo.ini expected.ini || fail "brivmemo.ini does not hold the expected bytes"
  fi
  echo "brivmemo.ini holds what it should"
}

x_session_prepare() {
  write_case_files
  if [ "$case_name" = read-only ] && [ "$(id -u)" -eq 0 ]; then
    # Root may write to a read-only file, so the game runs as an ordinary user here.
    command -v setpriv > /dev/null || { echo "skipped: root without setpriv"; exit 77; }
    x_session_runner=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$PWD")
    # That user must reach this script and the program, which a checkout in a folder only root
    # may enter (as mktemp -d makes) does not allow.
    "${x_session_runner[@]}" test -r "$0" -a -x "$program" ||
      { echo "skipped: an ordinary user cannot reach the test's script and program"; exit 77; }
    chown -R 65534:65534 "$PWD"
  fi
}

x_session_check() { check_case_files; }

# Each case looks for a free display from its own number on, so cases run side by side do not
# take the same one.
x_session_first_display=$((200 + $(cksum <<< "$case_name" | cut -d' ' -f1) % 500))
enter_x_session "$artifacts" "$0" "$@"

program_log=$PWD/program.log
"$program" > "$program_log" 2>&1 &
pid=$!

finish() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    import -window root "$artifacts/damaged-settings-$case_name.png" 2> /dev/null || true
  fi
  kill "$pid" 2> /dev/null || true
  echo "--- program output"
  cat "$program_log"
  if grep -q -e 'ERROR: AddressSanitizer' -e 'ERROR: LeakSanitizer' -e 'runtime error:' "$program_log"; then
    echo "FAILED: the sanitizers reported an error" >&2
    status=1
  fi
  exit "$status"
}
trap finish EXIT

dismiss() {
  focus "$1"
  xdotool key Return
}

game_type_dialog_shows() { shows "Brivosta Memory Game" 326; }
main_window_shows() { shows "Brivosta Memory Game" 800; }
help_window_shows() { shows "Help"; }
running() { kill -0 "$pid" 2> /dev/null; }

if [ "$start_fails" = 1 ]; then
  wait_until shows "Brivosta Vire" || fail "no error box while the main window was built"
  first_error=$(window_of "Brivosta Vire")
  ! main_window_shows || fail "the main window was shown before the settings were read"
  dismiss "$first_error"
  wait_until main_window_shows
  wait_until another_window_of "Brivosta Vire" "$first_error" > /dev/null \
    || fail "no error box at the main window's first activation"
  dismiss "$(another_window_of "Brivosta Vire" "$first_error")"
  wait_until gone "Brivosta Vire"
  use_main_window "$(window_of "Brivosta Memory Game" 800)"
  # The activation ended at the failing read: the table takes no clicks and the game-type
  # dialog never comes. The help window, opened after the click, shows that the click has
  # been handled.
  click_card 3
  focus "$main_window"
  xdotool key F1
  wait_until help_window_shows
  ! game_type_dialog_shows || fail "the game-type dialog was shown after the failed reading"
  dismiss "$(window_of "Help")"
  wait_until gone "Help"
  wait_until cards_look_alike 3 8 || fail "a card turned while the table was locked"
else
  wait_until main_window_shows
  wait_until game_type_dialog_shows || fail "no game-type dialog at the first activation"
  ! shows "Brivosta Vire" || fail "an error box was shown for a file that can be read"
  use_main_window "$(window_of "Brivosta Memory Game" 800)"
  dismiss "$(window_of "Brivosta Memory Game" 326)"
  wait_until gone "Brivosta Memory Game" 326
fi

focus "$main_window"
xdotool key F2
play_one_move

if [ "$picks_level" = 1 ]; then
  focus "$main_window"
  xdotool key alt+g b
fi

! shows "Brivosta Vire" || fail "an error box was shown during play"
focus "$main_window"
xdotool key alt+F4
wait_until shows "Confirm"
dismiss "$(window_of "Confirm")"

if [ "$exit_saves" = 1 ]; then
  wait_until bash -c "! kill -0 $pid 2> /dev/null" || fail "the program did not end after the confirmed exit"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
else
  wait_until shows "Brivosta Vire" || fail "no error box when the settings could not be saved"
  dismiss "$(window_of "Brivosta Vire")"
  wait_until gone "Brivosta Vire"
  running || fail "the program ended although the settings were not saved"
  main_window_shows || fail "the main window closed although the settings were not saved"
  kill "$pid"
  wait "$pid" 2> /dev/null || true
fi
