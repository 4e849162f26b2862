#!/usr/bin/env bash
# The program at twice the scale on a bare X server: the window is shaped at the scale in use and no
# pixel of the design's key colour reaches the screen. Usage: scaled_window_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=scaled_window
screen_w=1000 screen_h=900 # room for the whole 800 x 800 window
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 XDG_RUNTIME_DIR=$work
unset QT_SCREEN_SCALE_FACTORS
start_program

# Points are in screen pixels, two to the window's own.
expect "the window is drawn" shows 40 560 253 253 253
expect "no key-colour pixel on the screen" no_key_colour
expect "the top-left corner shows the screen behind" shows 10 10 "${root[@]}"
expect "the bottom-right corner shows the screen behind" shows 789 789 "${root[@]}"
expect "just inside the bottom-left corner the white panel shows" shows 36 756 253 253 253
point_at $((win_x + 10)) $((win_y + 788))
check "a press in the cut-off corner goes to the screen behind" [ "$pointed" != "$form1" ]

click_on_scaled() { xdotool mousemove $((win_x + 2 * $1)) $((win_y + 2 * $2)) click 1; }
click_on_scaled 371 27
seen="still running"
expect "the close image ends the program" exited
