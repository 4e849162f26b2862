#!/usr/bin/env bash
# Starts the program where no window can open and checks that it says so in one Italian line on
# standard error and exits with status 1, instead of Qt's English abort and a core dump.
# Usage: no_display_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# An X display number nobody serves: no lock file, no socket in the file system or the abstract space.
unserved=500
while [ -e /tmp/.X$unserved-lock ] || [ -e /tmp/.X11-unix/X$unserved ] ||
    grep -q "@/tmp/.X11-unix/X$unserved\$" /proc/net/unix 2>/dev/null; do
    unserved=$((unserved + 1))
done

# Each case: what it is, then the environment changes that bring it about.
cases=(
    "no X11 or Wayland session|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
    "an X display that nobody serves|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$unserved"
    "QT_QPA_PLATFORM names a missing platform|QT_QPA_PLATFORM=nonexistent"
    "QT_QPA_PLATFORM=wayland without a compositor|-u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=wayland"
)
for case in "${cases[@]}"; do
    what=${case%%|*}
    read -ra changes <<<"${case#*|}"
    env "${changes[@]}" "$program" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    lines=$(wc -l <"$work/err")
    if [ "$status" -eq 1 ] && [ ! -s "$work/out" ] && [ "$lines" -eq 1 ] &&
        grep -q '^codicolorimetrix: .*sessione .*X11 o Wayland (senza schermo: xvfb-run codicolorimetrix)$' "$work/err"; then
        echo "ok   - $what"
    else
        echo "FAIL - $what: exit status $status, $lines lines on standard error:"
        sed 's/^/       /' "$work/err" "$work/out"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
