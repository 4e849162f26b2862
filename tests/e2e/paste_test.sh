#!/usr/bin/env bash
# Pastes a letter code into the real program through the X clipboard and the keyboard, reads the bands
# off the screen, then copies the resistor back and reads the clipboard. Usage: paste_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=paste
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
if ! command -v xclip >/dev/null; then
    echo "SKIP - xclip is missing; tools/setup.sh installs it"
    exit 77
fi

start_x_server
use_x11_at_scale_1
start_program

# Band 5 red first, so that a gold band 5 afterwards comes from the tolerance letter.
click 225 210
expect "a click on band 5 opens the palette" red_swatch_shown
click_on Picture4
expect "band 5 shows red" band_shows 5 204 34 33

# xclip serves the clipboard until the program takes it over with Ctrl+C.
printf '4K7J' | xclip -selection clipboard 2>/dev/null
# With no window manager the window gets the keyboard when a person clicks into it: on the display.
click 200 330
expect "a click on the display gives the main window the keyboard" focused "$form1"
xdotool key ctrl+v
expect "Ctrl+V of 4K7J: band 1 shows yellow" band_shows 1 211 202 53
expect "band 2 shows violet" band_shows 2 152 59 179
expect "band 4 shows red" band_shows 4 204 34 33
expect "band 5 shows gold" band_shows 5 233 218 134

xdotool key ctrl+c
# Written out in UTF-8: bash's \u escapes follow the locale and give nothing useful in the C locale.
copied='4,7 KΩ ± 5% – giallo, viola, rosso, oro – 4K7J'
clipboard_holds()
{
    seen=$(xclip -selection clipboard -o -t UTF8_STRING 2>/dev/null)
    [ "$seen" = "$1" ]
}
expect "Ctrl+C puts the resistor on the clipboard" clipboard_holds "$copied"
