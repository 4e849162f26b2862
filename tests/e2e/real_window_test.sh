#!/usr/bin/env bash
# Drives the real program on its own X server with a real pointer and keyboard, and checks what a
# person would see on the screen. No window manager runs: the program has to shape, place and move its
# window by itself. Usage: real_window_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=real_window
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server

use_x11_at_scale_1
start_program

# Shape: the corners are cut off and let the screen behind through, also to the pointer.
expect "the top-left corner shows the screen behind" shows 5 5 "${root[@]}"
expect "the bottom-left corner shows the screen behind" shows 5 394 "${root[@]}"
expect "just inside the bottom-left corner the white panel shows" shows 18 378 253 253 253
point_at $((win_x + 5)) $((win_y + 394))
check "a press in the cut-off corner goes to the screen behind, not the program" [ "$pointed" != "$form1" ]
# A window manager would draw a frame unless the hints, flags first, say decorations (0x2) are none.
seen=$(xprop -id "$form1" _MOTIF_WM_HINTS)
frameless()
{
    local flags decorations
    IFS=', ' read -r flags _ decorations _ <<<"${seen#*= }"
    [[ $flags =~ ^0x[0-9a-f]+$ ]] && ((flags & 2)) && [ "$decorations" = 0x0 ]
}
check "the window asks for no frame" frameless

# Band 2, then the red swatch: band 2 turns red and the display changes.
shoot
display_before=$(display_digest)
click_on Banda2
expect "a band click opens the palette with the red swatch" red_swatch_shown
click_on Picture4
expect "band 2 shows red" band_shows 2 204 34 33
display_changed() { shoot && seen="display unchanged" && [ "$(display_digest)" != "$display_before" ]; }
expect "the display shows a new value" display_changed

# Type menu from the bracket, third item: places 3 and 6 show black bands.
click_on Image4
expect "a click on the bracket opens the type menu" menu_shown
menu=$(menu_window)
eval "$(xdotool getwindowgeometry --shell "$menu")"
# The middle of the third of its three items.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 5 / 6)) click 1
expect "6 Bande paints band 3 black" band_shows 3 13 13 13
expect "6 Bande paints band 6 black" band_shows 6 13 13 13
expect "the menu closes" menu_gone

# Value entry: 4,7 KΩ gives yellow, violet, red.
entry_title='^\.:: Codicolorimetrix ::\.$'
click_on Picture16
expect "a click on the thumbnail opens the value entry window" named_window_shown "$entry_title"
form2=$(xdotool search --onlyvisible --name "$entry_title")
expect "the value entry window takes the keyboard" focused "$form2"
xdotool type '4,7'
xdotool key Tab Down Return
expect "the value entry window closes on Enter" named_window_gone "$entry_title"
expect "band 1 shows yellow" band_shows 1 211 202 53
expect "band 2 shows violet" band_shows 2 152 59 179
expect "band 4 shows red" band_shows 4 204 34 33

# A letter brings up the warning and throws the whole entry away: "4a" then "5" must give 5 ohm
# (green, black), not 45 ohm or a second warning.
click_on Picture16
expect "the value entry window opens again" named_window_shown "$entry_title"
form2=$(xdotool search --onlyvisible --name "$entry_title")
expect "the value entry window takes the keyboard again" focused "$form2"
xdotool type '4a'
warning_title='^Codicolorimetrix$'
expect "a letter brings up a warning" named_window_shown "$warning_title"
warning=$(xdotool search --onlyvisible --name "$warning_title")
expect "the warning takes the keyboard" focused "$warning"
xdotool key Return
expect "Enter dismisses the warning" named_window_gone "$warning_title"
# With no window manager nobody hands the keyboard back when the warning closes; a person clicks into
# the value box (at 144, 16 in the window, 65 x 24).
eval "$(xdotool getwindowgeometry --shell "$form2")"
xdotool mousemove $((X + 176)) $((Y + 28)) click 1
expect "the value box takes the keyboard after the warning" focused "$form2"
xdotool type 5
xdotool key Return
expect "then 5 and Enter close the value entry window" named_window_gone "$entry_title"
expect "the value box was emptied, 5 ohm: band 1 shows green" band_shows 1 24 159 49
expect "the value box was emptied, 5 ohm: band 2 shows black" band_shows 2 13 13 13

# Moving: a left drag on the background moves the window with the pointer, a right drag does not. They
# start at (20, 280), bare white panel between the left wire and the display.
start_x=$win_x start_y=$win_y
xdotool mousemove $((win_x + 20)) $((win_y + 280)) mousedown 1 \
    mousemove $((win_x + 50)) $((win_y + 300)) mousemove $((win_x + 80)) $((win_y + 320)) mouseup 1
expect "a left drag moves the window by the drag" at_position $((start_x + 60)) $((start_y + 40))
xdotool mousemove $((win_x + 20)) $((win_y + 280)) mousedown 3 \
    mousemove $((win_x + 50)) $((win_y + 300)) mousemove $((win_x + 80)) $((win_y + 320)) mouseup 3
# The program handles input in order: once this band click has opened the palette, the right drag
# before it has been handled too. A window that moved anyway will not see the click.
click_on Banda1
right_drag_handled() { ! at_position "$@" || red_swatch_shown; }
expect "a band click after the right drag is handled" right_drag_handled $((start_x + 60)) $((start_y + 40))
check "a right drag does not move the window" at_position $((start_x + 60)) $((start_y + 40))

# Closing: the close image ends the program at once, with success.
click_on Image2
seen="still running"
check "the close image ends the program within a second" wait_for 1 exited
wait "$app_pid"
status=$?
app_pid=""
seen="exit status $status"
check "the program exits with status 0" test "$status" -eq 0
