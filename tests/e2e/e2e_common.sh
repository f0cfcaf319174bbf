# SPDX-License-Identifier: MIT
# Sourced by the end-to-end scripts, under X or Wayland: bounded waits, failures and the
# sanitizer options for the program.

# Polls until the command succeeds, for at most 30 seconds.
wait_until() {
  local _
  for _ in $(seq 300); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for: $*" >&2
  return 1
}

# Writes the extras' preferences into the configuration folder given: cards turn without the
# flip, so that the screen shows a card's new picture as soon as the card has it.
turn_off_card_flip() {
  mkdir -p "$1/brivmemo"
  printf '[General]\nFlipCards=false\n' > "$1/brivmemo/extras.ini"
}

# Every XDG folder the game reads or writes, in the test's own folder; the configuration folder
# is the one the session already keeps the player's preferences out with.
use_temporary_xdg_folders() {
  export XDG_DATA_HOME=$PWD/xdg-data-home XDG_CONFIG_HOME=$PWD/xdg-config-home
  export XDG_DATA_DIRS=$PWD/xdg-data-dirs
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# The program is built with AddressSanitizer in the test tree. Qt, fontconfig and the window
# system's libraries keep allocations until exit; the suppressions name only those libraries.
export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp:print_suppressions=0"

# The game's sounds stay off the speakers of whoever runs the tests: the program finds no sound
# server, as on a build machine.
export PULSE_SERVER=unix:/nonexistent/brivmemo-e2e

# The scripts find windows by their English titles; the program follows the desktop's
# language, so it is told to speak English whatever the machine's language is.
export LANGUAGE=en
export LANG=C.UTF-8
export LC_ALL=C.UTF-8
