#!/usr/bin/env bash
# Uses the real program on its own X server with the keyboard alone (no pointer event at all), as a
# person who cannot use a mouse would, and reads the results off the screen. No window manager runs.
# Usage: keyboard_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=keyboard_only
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server
use_x11_at_scale_1
start_program

keys() { xdotool key --delay 20 "$@"; }
# The focus mark's dark outer line, two pixels left of a band place, on the band's middle row.
mark_at_band() { shows $((band_lefts[$1] - 2)) 210 0 0 160; }
no_mark_at_band() { ! mark_at_band "$1"; }
red_swatch_hidden() { ! red_swatch_shown; }
display_is() { shoot && seen="another display" && [ "$(display_digest)" = "$1" ]; }
gold=(233 218 134)

expect "the main window takes the keyboard at start" focused "$form1"
expect "the resistor is drawn" band_shows 1 13 13 13
check "no focus mark before a key is pressed" no_mark_at_band 1
keys Tab
expect "Tab moves to band 2 and shows the focus mark" mark_at_band 2
keys shift+Tab
expect "Shift+Tab goes back to band 1" mark_at_band 1

# Yellow, violet, red, gold with the arrows and Enter: the palette starts on the band's own colour,
# or on the first one the band accepts (marrone for band 1).
keys Return
expect "Enter on band 1 opens the palette" red_swatch_shown
keys Right Right Right Return
expect "three steps right from marrone and Enter paint band 1 yellow" band_shows 1 211 202 53
keys Right Return Right Right Right Right Right Right Right Return
expect "band 2 turns violet" band_shows 2 152 59 179
keys Right Right Return Right Right Return
expect "band 4 turns red" band_shows 4 204 34 33
shoot
built=$(display_digest)
keys Right Return
expect "Enter on band 5 opens the palette" red_swatch_shown
keys Right Escape
expect "Esc closes the palette" red_swatch_hidden
expect "Esc paints nothing: band 5 stays gold" band_shows 5 "${gold[@]}"
expect "Esc leaves the display as it was" display_is "$built"

# The type menu from the bracket, then the same resistor with digits.
keys Tab Tab Return
expect "Enter on the bracket opens the type menu" menu_shown
keys Return
expect "the menu's first item, 4 Bande, starts afresh: band 1 black" band_shows 1 13 13 13
expect "the menu closes" menu_gone
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab 4 Right 7 Right Right 2
expect "digit 4 paints band 1 yellow" band_shows 1 211 202 53
expect "digit 7 paints band 2 violet" band_shows 2 152 59 179
expect "digit 2 paints band 4 red" band_shows 4 204 34 33
expect "the display shows what the arrows built" display_is "$built"
# Band 5 refuses yellow. Keys are handled in order: once the menu that the next keys open shows, the
# digit has been handled too.
keys Right 4

# Six bands through Shift+F10 on the bracket.
keys Tab Tab shift+F10
expect "Shift+F10 on the bracket opens the type menu" menu_shown
check "digit 4 on band 5 changed nothing" band_shows 5 "${gold[@]}"
keys Down Down Return
expect "6 Bande paints band 3 black" band_shows 3 13 13 13
expect "6 Bande paints band 6 black" band_shows 6 13 13 13

# F2, 4,7 KΩ, Enter; then the main window has the keyboard back, on the bracket.
entry_title='^\.:: Codicolorimetrix ::\.$'
keys F2
expect "F2 opens the value entry window" named_window_shown "$entry_title"
form2=$(xdotool search --onlyvisible --name "$entry_title")
expect "the value entry window takes the keyboard" focused "$form2"
xdotool type '4,7'
keys Tab Down Return
expect "Enter closes the value entry window" named_window_gone "$entry_title"
expect "band 1 shows yellow" band_shows 1 211 202 53
expect "band 2 shows violet" band_shows 2 152 59 179
expect "the main window has the keyboard again" focused "$form1"
keys Return
expect "the focus is back on the bracket: Enter opens the type menu" menu_shown
keys Escape
expect "Esc closes the menu" menu_gone

ends_with_status_0()
{
    seen="still running"
    check "$1 ends the program" wait_for 2 exited
    wait "$app_pid"
    local status=$?
    app_pid=""
    seen="exit status $status"
    check "$1 ends with status 0" test "$status" -eq 0
}
keys ctrl+q
ends_with_status_0 "Ctrl+Q"

start_program
expect "the main window takes the keyboard after a restart" focused "$form1"
keys alt+F4
ends_with_status_0 "Alt+F4 without a window manager"
