#!/bin/bash
# The finder as a person uses it: a real drag with the mouse from the finder icon to a colour on
# the screen, the arrow keys during the drag, instant copy read from the X clipboard, then undo.
program=$1
source "$(dirname "$0")/xsession.sh"

pointer_at() {
    eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=' | sed 's/^/pointer_/')"
    [[ $pointer_X == "$1" && $pointer_Y == "$2" ]]
}

xsetroot -solid '#3366cc'
# At a scale factor of 2 the arrow keys still move the pointer by one device pixel.
for factor in 1 2; do
    # Instant copy with quotes and pound sign; toolbar, status bar and palette hidden, so that
    # the finder icon lies at a fixed place above the window's bottom edge. The window is
    # centred, clear of the colour taken at the screen's top-left.
    write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004b' '"View"=dword:00000000'
    QT_SCALE_FACTOR=$factor start_program
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync $((X + 51 * factor)) $((Y + HEIGHT - 49 * factor))
    xdotool mousedown 1
    for step in 300 200 100 40; do
        xdotool mousemove --sync "$step" "$step"
    done
    # The arrow keys move the pointer by one pixel, by ten with Shift.
    xdotool key Right
    until_true 5 pointer_at 41 40 || fail "Right did not move the pointer one pixel at $factor"
    xdotool key shift+Down
    until_true 5 pointer_at 41 50 || fail "Shift+Down did not move the pointer ten pixels at $factor"
    xdotool mouseup 1
    until_true 5 clipboard_is '"#3366CC"' ||
        fail "the sampled colour was not copied at the release at $factor"

    xdotool key --delay 50 ctrl+z ctrl+Insert
    until_true 5 clipboard_is '"#FF6600"' ||
        fail "undo did not bring back the colour before the drag at $factor"

    exit_by_menu "$pid"
    [[ $(stored 'True Colour') == dword:000066ff ]] ||
        fail "True Colour stored as $(stored 'True Colour') at $factor"
done
echo "PASS"
