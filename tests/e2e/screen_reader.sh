#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game as a screen reader finds it: a session bus of its own, the accessibility bus and its
# registry on it, and the game started under a virtual X server with its accessibility bridge
# on. screen_reader.py reads and plays it through that bus; the speed it chose there must then
# be in the settings file that the confirmed exit writes. Skipped when the buses cannot start.
# Usage: screen_reader.sh PROGRAM ARTIFACT_DIRECTORY
set -euo pipefail

program=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
bus_launcher=/usr/libexec/at-spi-bus-launcher
# Debian's interpreter, which has the accessibility bindings.
python=/usr/bin/python3
# shellcheck source=x_session.sh
source "$here/x_session.sh"
x_session_tools+=(dbus-run-session dbus-send "$bus_launcher" "$python")
x_session_runner=(dbus-run-session --)

x_session_prepare() {
  "$python" -c 'import pyatspi' 2> /dev/null || { echo "skipped: pyatspi is missing"; exit 77; }
}

enter_x_session "$artifacts" "$0" "$@"

pids=()
stop_started() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null || true; done
}
trap stop_started EXIT

# The buses' sockets go into this test's own folder.
export XDG_RUNTIME_DIR=$PWD/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2> /dev/null | grep -q 'boolean true'
}
"$bus_launcher" --launch-immediately > bus.log 2>&1 &
launcher=$!
pids+=("$launcher")
bus_up_or_given_up() { bus_up || ! kill -0 "$launcher" 2> /dev/null; }
wait_until bus_up_or_given_up || true
if ! bus_up; then
  cat bus.log
  echo "skipped: the accessibility bus did not start"
  exit 77
fi

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > program.log 2>&1 &
pid=$!
pids+=("$pid")

status=0
timeout 60 "$python" "$here/screen_reader.py" || status=$?
if [ "$status" -ne 0 ]; then
  import -window root "$artifacts/e2e-screen-reader-failure.png" || true
  cat program.log
  fail "the screen reader's run failed"
fi

wait_until bash -c "! kill -0 $pid 2> /dev/null" || fail "the program did not end"
status=0
wait "$pid" || status=$?
cat program.log
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# Speed 500 ms, little-endian, at the start of the settings record.
[ "$(head -c 4 brivmemo.ini | od -An -tx1 | tr -d ' ')" = f4010000 ] || fail "the settings do not hold speed 500"
echo "brivmemo.ini holds the speed chosen through the accessibility bus"
