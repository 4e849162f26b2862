#!/usr/bin/env bash
# Runs the program with the real accessibility stack (a D-Bus session bus of the test's own, at-spi2-core
# started on demand by it) on its own X server, and walks it with pyatspi as a screen reader would.
# Usage: screen_reader_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=screen_reader
python=""
for candidate in /usr/bin/python3 python3; do
    if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done
if [ -z "$python" ] || ! command -v dbus-daemon >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
    echo "SKIP - python3-pyatspi, dbus or at-spi2-core is missing; tools/setup.sh installs them"
    exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server
# The session bus starts the accessibility bus launcher and registry when the program asks for them.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "a D-Bus session bus starts"
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } <<<"$bus"
export DBUS_SESSION_BUS_ADDRESS
stop_bus()
{
    pkill -P "$bus_pid" 2>/dev/null # the accessibility bus it started
    kill "$bus_pid" 2>/dev/null
    cleanup
}
trap stop_bus EXIT

use_x11_at_scale_1
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
"$python" "$(dirname "${BASH_SOURCE[0]}")/screen_reader_walk.py" || fail "the screen reader hears what it should"
