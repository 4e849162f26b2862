#!/usr/bin/env bash
# The program as a Wayland client of weston, which runs as a window of the test's own X server, so that
# the screen can still be read: the key colour never shows, the corners show what lies behind, the
# compositor moves the window, and the close picture ends the program. Usage: wayland_window_test.sh PROGRAM
set -uo pipefail

program=${1:?usage: $0 PROGRAM}
test_name=wayland_window
screen_w=1000 screen_h=800 # weston places the window anywhere on its screen; the drag must not leave it
command -v weston >/dev/null || { echo "SKIP - weston is missing; tools/setup.sh installs it"; exit 77; }
if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
    echo "SKIP - Qt's Wayland platform is missing; tools/setup.sh installs it (qt6-wayland)"
    exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

start_x_server
# weston's screen is smaller than the X server's: its top-left part. No panel, one plain colour behind
# the windows.
readonly output_w=900 output_h=700 behind=(32 64 128)
cat >"$work/weston.ini" <<'INI'
[shell]
background-color=0xff204080
panel-position=none
INI
export XDG_RUNTIME_DIR=$work # private: mktemp made it 0700
weston --backend=x11-backend.so --use-pixman --socket=codicolorimetrix --width=$output_w --height=$output_h \
    --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
helper_pids+=($!)
win_x=0 win_y=0
# weston draws its pointer where the X pointer is; in the bottom-right corner of its screen it hides
# nothing that is read. It learns where the pointer is when the pointer enters its window, from the
# X server's screen outside it.
weston_ready()
{
    [ -S "$work/codicolorimetrix" ] && xdotool mousemove $((output_w + 50)) $((output_h + 50)) \
        mousemove $((output_w - 1)) $((output_h - 1)) && shows 5 5 "${behind[@]}"
}
expect "weston starts" weston_ready

# weston places new windows itself; the program's window is whatever is not the plain colour behind.
# Its opaque part starts 3 pixels right and 2 down of its top-left corner and is 394 x 395.
locate_window()
{
    local box
    shoot || return 1
    box=$(convert -size ${screen_w}x$screen_h -depth 8 "rgb:$shot" -crop $((output_w - 8))x$((output_h - 8))+0+0 \
        +repage -format '%@' info: 2>/dev/null)
    seen="drawn part $box"
    [[ $box =~ ^394x395\+([0-9]+)\+([0-9]+)$ ]] || return 1
    win_x=$((BASH_REMATCH[1] - 3)) win_y=$((BASH_REMATCH[2] - 2))
}
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=codicolorimetrix env -u DISPLAY "$program" >"$work/program.log" 2>&1 &
app_pid=$!
expect "the window appears, shaped like its panel" locate_window
check "no key-colour pixel on the screen" no_key_colour
check "the top-left corner shows what lies behind" shows 5 5 "${behind[@]}"
check "the bottom-right corner shows what lies behind" shows 394 394 "${behind[@]}"
check "just inside the bottom-left corner the white panel shows" shows 18 378 253 253 253

# A left drag on the background, towards the middle of weston's screen so that the window stays on
# it: weston takes the move over past the drag distance, at its own pace, so the pointer goes on in small
# steps until the window follows.
home_x=$win_x home_y=$win_y
sx=1 sy=1
((home_x > (output_w - 400) / 2)) && sx=-1
((home_y > (output_h - 400) / 2)) && sy=-1
xdotool mousemove $((home_x + 20)) $((home_y + 280)) mousedown 1 \
    mousemove $((home_x + 20 + 20 * sx)) $((home_y + 280 + 10 * sy))
window_moved() { locate_window && ((win_x != home_x || win_y != home_y)); }
for ((step = 0; step < 10; ++step)); do
    xdotool mousemove_relative -- $((4 * sx)) $((2 * sy))
    wait_for 1 window_moved && break
done
check "a left drag moves the window" window_moved
taken_x=$win_x taken_y=$win_y
xdotool mousemove_relative -- $((30 * sx)) $((20 * sy))
at_place() { locate_window && seen="window at $win_x,$win_y" && ((win_x == $1 && win_y == $2)); }
expect "the window follows the pointer" at_place $((taken_x + 30 * sx)) $((taken_y + 20 * sy))
xdotool mouseup 1
# The release ends the move: a band click afterwards is handled where the window stopped.
xdotool mousemove $((win_x + 100)) $((win_y + 350))
click_on Banda1
expect "a band click after the drag is handled" red_swatch_shown
check "the release ended the move" at_place $((taken_x + 30 * sx)) $((taken_y + 20 * sy))
check "still no key-colour pixel on the screen" no_key_colour

click_on Image2
seen="still running"
expect "the close picture ends the program" exited
wait "$app_pid"
status=$?
app_pid=""
seen="exit status $status"
check "the program exits with status 0" test "$status" -eq 0
