#!/usr/bin/env bash
# The program under an X11 window manager (openbox) on its own X server: the shape survives minimise,
# restore and a workspace switch, after which a band click still reaches the window, a click as short
# as a touchpad tap never leaves the window stuck to the pointer, and a minimised value entry window
# comes back with the program as it was.
# Usage: window_manager_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=window_manager
command -v openbox >/dev/null || { echo "SKIP - openbox is missing; tools/setup.sh installs it"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
command -v xwininfo >/dev/null || { echo "SKIP - xwininfo is missing; tools/setup.sh installs it"; exit 77; }

start_x_server
start_openbox
use_x11_at_scale_1
start_program

root_window=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
# The pointer over the cut-off top-left corner finds the screen behind, not the frame openbox keeps
# round the window.
corner_lets_through()
{
    point_at $((win_x + 4)) $((win_y + 4))
    ((pointed == root_window))
}
shaped()
{
    read_position
    shows 5 5 "${root[@]}" && shows 394 394 "${root[@]}" && no_key_colour && corner_lets_through
}
expect "the window is shaped" shaped

xdotool windowminimize "$form1"
expect "the window minimises" hidden "$form1"
xdotool windowactivate "$form1"
expect "the window comes back" viewable "$form1"
expect "the window is still shaped after minimise and restore" shaped

# A click on the background, press and release within a millisecond, then the pointer moves away: the
# window stays. A band click after it proves the click and the moves have been handled; a window glued
# to the pointer would have moved, and the band click would miss.
read_position
home_x=$win_x home_y=$win_y
for round in 1 2 3; do
    xdotool mousemove $((home_x + 20)) $((home_y + 280)) click 1 \
        mousemove $((home_x + 60)) $((home_y + 320)) mousemove $((home_x + 100)) $((home_y + 350))
    win_x=$home_x win_y=$home_y
    if ((round % 2)); then
        click_on Banda1
        expect "round $round: the band click after the short click opens the palette" red_swatch_shown
    else
        click_on Picture4
        palette_closed() { ! red_swatch_shown; }
        expect "round $round: the swatch click after the short click closes the palette" palette_closed
    fi
    check "round $round: the window did not follow the pointer" at_position "$home_x" "$home_y"
done

# A real drag still moves the window: openbox takes it over once the drag distance is passed, at its
# own pace, so the pointer goes on moving in small steps, as a hand would, until the window follows.
xdotool mousemove $((home_x + 20)) $((home_y + 280)) mousedown 1 mousemove $((home_x + 40)) $((home_y + 290))
window_moved() { read_position && seen="window at $win_x,$win_y" && ((win_x != home_x || win_y != home_y)); }
for ((step = 0; step < 10; ++step)); do
    xdotool mousemove_relative 4 2
    wait_for 1 window_moved && break
done
check "a left drag moves the window" window_moved
taken_x=$win_x taken_y=$win_y
xdotool mousemove_relative 30 20
expect "the window follows the pointer" at_position $((taken_x + 30)) $((taken_y + 20))
xdotool mouseup 1
# The release ends the move: the pointer moving on afterwards leaves the window where it is.
dropped_x=$win_x dropped_y=$win_y
xdotool mousemove $((dropped_x + 60)) $((dropped_y + 300)) mousemove $((dropped_x + 20)) $((dropped_y + 280))
click_on Picture4
expect "a swatch click after the drag is handled" palette_closed
check "the release ended the move" at_position "$dropped_x" "$dropped_y"

# The value entry window asks for no minimise or maximise button (MWM functions 0x8 and 0x10).
entry_title='^\.:: Codicolorimetrix ::\.$'
click_on Picture16
expect "the value entry window opens" named_window_shown "$entry_title"
form2=$(xdotool search --onlyvisible --name "$entry_title")
seen=$(xprop -id "$form2" _MOTIF_WM_HINTS)
no_minimise_maximise()
{
    local flags functions
    IFS=', ' read -r flags functions _ <<<"${seen#*= }"
    ((flags & 1)) && ! ((functions & 0x18))
}
check "the value entry window asks for neither minimise nor maximise" no_minimise_maximise
expect "the value entry window takes the keyboard" focused "$form2"
xdotool type '4,7'

# openbox offers minimise anyway. Minimised, then the program restored: both come back, the value entry
# window above, modal, with the typed value, and the main window shaped.
xdotool windowminimize "$form2"
expect "the value entry window minimises" hidden "$form2"
xdotool windowactivate "$form1"
expect "the main window comes back" viewable "$form1"
expect "the value entry window comes back" viewable "$form2"
expect "the value entry window stands above the main window" above "$form2" "$form1"
seen=$(xprop -id "$form2" _NET_WM_STATE)
check "the value entry window is still modal" grep -q _NET_WM_STATE_MODAL <<<"$seen"
expect "the main window is still shaped" shaped
expect "the value entry window has the keyboard" focused "$form2"
xdotool key Return
expect "Enter hands over the kept value and closes the window" named_window_gone "$entry_title"
expect "band 1 shows yellow" band_shows 1 211 202 53
expect "band 2 shows violet" band_shows 2 152 59 179

# The shape survives a workspace switch, and the window still takes clicks.
xdotool set_desktop 1
expect "the window leaves with its workspace" hidden "$form1"
xdotool set_desktop 0
expect "the window comes back with its workspace" viewable "$form1"
expect "the window is still shaped after a workspace switch" shaped
# For a moment openbox names the desktop in a popup amid the screen, over the bands, and that popup
# takes any click there, as it would from any program: the band click waits until the band is ours.
frame=$(xwininfo -tree -id "$form1" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
band_under_pointer()
{
    local x y
    read -r x y <<<"${centre[Banda2]}"
    point_at $((win_x + x)) $((win_y + y))
    ((pointed == form1 || pointed == frame))
}
expect "band 2 is under the pointer again" band_under_pointer
click_on Banda2
expect "a band click after the workspace switch opens the palette" red_swatch_shown
click_on Picture4
expect "band 2 shows red" band_shows 2 204 34 33
