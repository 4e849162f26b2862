#!/usr/bin/env bash
# Drives the real program on its own X server with a real pointer and keyboard, and checks what a
# person would see on the screen. No window manager runs: the program has to shape, place and move its
# window by itself. Usage: real_window_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
for tool in Xvfb xdotool import convert xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP - $tool is missing; tools/setup.sh installs it"
        exit 77
    fi
done

readonly screen_w=800 screen_h=600
failure_picture=$PWD/real_window_failure.png
rm -f "$failure_picture" # a picture left from an earlier run would mislead
work=$(mktemp -d)
shot=$work/screen.rgb
xvfb_pid="" app_pid=""

cleanup()
{
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

pass() { echo "ok   - $*"; }

fail()
{
    echo "FAIL - $*"
    [ -n "${seen:-}" ] && echo "       seen: $seen"
    if import -window root "$failure_picture" 2>/dev/null; then
        echo "       screen saved to $failure_picture"
    fi
    exit 1
}

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# Runs the command until it succeeds, for at most the given seconds.
wait_for()
{
    local end=$(($(now_ms) + $1 * 1000))
    shift
    until "$@"; do
        (($(now_ms) < end)) || return 1
        sleep 0.05
    done
}

# Reports the condition as it is now.
check()
{
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# Waits up to 5 s for the condition, then reports it.
expect()
{
    local what=$1
    shift
    seen=""
    check "$what" wait_for 5 "$@"
}

shoot() { import -window root -depth 8 "rgb:$shot"; }

# Window-relative point to screen offset in the raw screenshot.
offset() { echo $((((win_y + $2) * screen_w + win_x + $1) * 3)); }

# True if the n pixels from (x, y) rightwards all lie within 6 units of r g b on a fresh screenshot.
shows()
{
    local x=$1 y=$2 r=$3 g=$4 b=$5 n=${6:-1} values i
    shoot || return 1
    read -ra values < <(od -An -tu1 -v -w$((3 * n)) -j "$(offset "$x" "$y")" -N $((3 * n)) "$shot")
    seen="(${values[*]:0:3}) at $x,$y"
    for ((i = 0; i < 3 * n; i += 3)); do
        local dr=$((values[i] - r)) dg=$((values[i + 1] - g)) db=$((values[i + 2] - b))
        ((dr * dr <= 36 && dg * dg <= 36 && db * db <= 36)) || {
            seen="(${values[*]:i:3}) at $((x + i / 3)),$y"
            return 1
        }
    done
}

# Band places are 21 px wide from x = 131; the band runs over columns 2 to 11 on the middle row.
band_lefts=(0 131 152 173 194 215 236)
band_shows() { shows $((band_lefts[$1] + 2)) 210 "$2" "$3" "$4" 10; }

# A digest of the display's rectangle on the last screenshot.
display_digest()
{
    convert -size ${screen_w}x$screen_h -depth 8 "rgb:$shot" -crop "277x87+$((win_x + 62))+$((win_y + 296))" \
        rgb:- | md5sum
}

# Centres of the controls the test clicks, in pixels from the window's top-left corner.
declare -A centre=([Image2]="371 27" [Picture16]="198 102" [Picture4]="92 148" [Banda1]="141 210"
                   [Banda2]="162 210" [Image4]="202 267")
click() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1; }
click_on()
{
    local x y
    read -r x y <<<"${centre[$1]}"
    click "$x" "$y"
}
red_swatch_shown()
{
    local x y
    read -r x y <<<"${centre[Picture4]}"
    shows "$x" "$y" 255 0 0
}

read_position()
{
    eval "$(xdotool getwindowgeometry --shell "$form1" | grep -E '^[XY]=')"
    win_x=$X win_y=$Y
}
at_position() { read_position; seen="window at $win_x,$win_y"; ((win_x == $1 && win_y == $2)); }

# While no dialog is open, the one visible window of the program besides the main window and tool tips.
menu_window()
{
    local window
    for window in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$window" = "$form1" ] && continue
        xprop -id "$window" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP || echo "$window"
    done | tail -n 1
}
menu_shown() { [ -n "$(menu_window)" ]; }
menu_gone() { [ -z "$(menu_window)" ]; }
named_window_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
named_window_gone() { ! named_window_shown "$1"; }
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
exited() { local state; state=$(ps -o stat= -p "$app_pid") || return 0; [[ $state == Z* ]]; }

# The X server, with a display number of its own choosing, and a known colour behind the window.
Xvfb -displayfd 3 -screen 0 ${screen_w}x${screen_h}x24 -dpi 96 -br -nolisten tcp -noreset \
    3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
display_ready() { [ -s "$work/display" ]; }
wait_for 5 display_ready || { cat "$work/xvfb.log"; fail "Xvfb starts"; }
display=$(head -n 1 "$work/display")
export DISPLAY=:$display
root=(0 0 0)
if command -v xsetroot >/dev/null && xsetroot -solid '#204080'; then root=(32 64 128); fi

export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
"$program" >"$work/program.log" 2>&1 &
app_pid=$!
main_window_shown()
{
    form1=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1)
    [ -n "$form1" ]
}
expect "the main window appears" main_window_shown
read_position

# Shape: the corners are cut off and let the screen behind through, also to the pointer.
expect "the top-left corner shows the screen behind" shows 5 5 "${root[@]}"
expect "the bottom-left corner shows the screen behind" shows 5 394 "${root[@]}"
expect "just inside the bottom-left corner the white panel shows" shows 18 378 253 253 253
xdotool mousemove $((win_x + 5)) $((win_y + 394))
WINDOW=""
eval "$(xdotool getmouselocation --shell)"
seen="window $WINDOW under the pointer"
check "a press in the cut-off corner goes to the screen behind, not the program" [ "$WINDOW" != "$form1" ]
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
