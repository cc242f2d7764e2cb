#!/bin/bash
# pigmenta --pick on a Wayland desktop, which lets no program read the screen: the pick goes on
# over the desktop portal's screenshot, by click, the arrow keys and Enter, and Esc, with the
# settings folder and the clipboard left as they were. The background's pixels hold their own
# place (red the column, green the row, modulo 256), so that the printed colour says which pixel
# was taken: the one 3 right of and 3 below the hot spot.
program=$1 wlinput=$2
desktop_size=800x600
source "$(dirname "$0")/wsession.sh"

python3 -c '
import sys
sys.stdout.buffer.write(b"P6 800 600 255\n" + bytes(
    v for y in range(600) for x in range(800) for v in (x % 256, y % 256, 0x11)))' |
    convert ppm:- "$work/places.png"
set_background "$work/places.png"
clipboard_set kept

# pick ARGUMENTS...: `pigmenta --pick ARGUMENTS` started, its overlay waited for.
pick() {
    "$program" --pick "$@" >"$work/out" 2>"$work/err" &
    picker=$!
    pids+=("$picker")
    overlay_shown() { window_geometry Finder; }
    until_true 10 overlay_shown || fail "no overlay showed the screenshot for --pick $*"
}

pick
pointer_move 100 100
pointer_press
pointer_release
picked 0 '#676711'
pick --format rgb
pointer_move 600 500
wl_key Right shift+Down Return
picked 0 'rgb(92 1 17)'
pick
wl_key Escape
picked 1 ''

[[ -z $(ls -A "$XDG_CONFIG_HOME/Tarvo") ]] || fail "the picks wrote $(ls -A "$XDG_CONFIG_HOME/Tarvo")"
clipboard_is kept || fail "the picks changed the clipboard to $(wl-paste -n)"
echo "PASS"
