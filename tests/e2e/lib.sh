# Helpers shared by the real-window tests: an X server of the test's own, a bounded wait, screenshots
# read pixel by pixel, and clicks at window-relative points. Source it after setting test_name; it
# leaves `win_x`, `win_y`, `form1` and `app_pid` for the test.

for tool in Xvfb xdotool import convert xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP - $tool is missing; tools/setup.sh installs it"
        exit 77
    fi
done

# A test may set its own screen size before sourcing this file.
readonly screen_w=${screen_w:-800} screen_h=${screen_h:-600}
failure_picture=$PWD/${test_name:-real_window}_failure.png
rm -f "$failure_picture" # a picture left from an earlier run would mislead
work=$(mktemp -d)
shot=$work/screen.rgb
xvfb_pid="" app_pid=""
helper_pids=() # desktop programs the test starts on its X server: window manager, compositor

cleanup()
{
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ ${#helper_pids[@]} -gt 0 ] && kill "${helper_pids[@]}" 2>/dev/null
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

# Whole milliseconds from an integer clock: in a locale with a decimal comma bash writes
# $EPOCHREALTIME with a comma, so its text is stripped to digits before any arithmetic.
now_ms() { local t=${EPOCHREALTIME//[!0-9]/}; echo $((10#$t / 1000)); }

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


start_x_server()
{
    Xvfb -displayfd 3 -screen 0 ${screen_w}x${screen_h}x24 -dpi 96 -br -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    display_ready() { [ -s "$work/display" ]; }
    wait_for 5 display_ready || { cat "$work/xvfb.log"; fail "Xvfb starts"; }
    display=$(head -n 1 "$work/display")
    export DISPLAY=:$display
    root=(0 0 0)
    if command -v xsetroot >/dev/null && xsetroot -solid '#204080'; then root=(32 64 128); fi
}

# The program on this X server at one device pixel to a window pixel, whatever the caller's settings.
use_x11_at_scale_1()
{
    export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR=$work
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
}

# Starts the program (any arguments go to it) and waits for its main window.
start_program()
{
    "$program" "$@" >"$work/program.log" 2>&1 &
    app_pid=$!
    expect "the main window appears" main_window_shown
    read_position
}

main_window_shown()
{
    form1=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1)
    [ -n "$form1" ]
}

# How many pixels of exactly the colour r g b a fresh screenshot shows.
colour_count()
{
    shoot || return 1
    convert -size ${screen_w}x$screen_h -depth 8 "rgb:$shot" -fill black +opaque "rgb($1,$2,$3)" \
        -fill white -opaque "rgb($1,$2,$3)" -format '%[fx:round(mean*w*h)]' info:
}

# The design's colour for "not drawn" (127, 127, 0) is nowhere on the screen.
no_key_colour()
{
    local count
    count=$(colour_count 127 127 0) || return 1
    seen="$count key-colour pixels on the screen"
    ((count == 0))
}

# Starts openbox on the test's X server and waits until it manages windows.
start_openbox()
{
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    helper_pids+=($!)
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    expect "openbox starts" wm_ready
}

# Whether the window is mapped (not minimised, not withdrawn).
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
hidden() { ! viewable "$1"; }

# The managed windows, bottom first, as the window manager stacks them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
above()
{
    local order
    order=$(stacking | xargs printf '%d\n')
    seen="stacking, bottom first: $(echo $order)"
    [ "$(grep -nx "$(($1))" <<<"$order" | cut -d: -f1)" -gt "$(grep -nx "$(($2))" <<<"$order" | cut -d: -f1)" ] 2>/dev/null
}

# Moves the pointer to a point of the screen and leaves the X window under it in `pointed`.
point_at()
{
    xdotool mousemove "$1" "$2"
    WINDOW=""
    eval "$(xdotool getmouselocation --shell)"
    pointed=$WINDOW
    seen="window $WINDOW under the pointer"
}
