#!/bin/bash
# The program as a person uses it: started with a prepared settings file, a copy by its
# shortcut read from the X clipboard, a view part and a copy switch toggled by their keys, closed
# with Colour > Exit; then the settings file it wrote.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a' '"View"=dword:00000007'
start_program

xdotool key --delay 50 ctrl+Insert
until_true 5 clipboard_is '"#FF6600"' || fail "the true colour was not copied"
# With the splash switch off, the main window is the program's only window.
(($(xdotool search --onlyvisible --classname '^pigmenta$' | wc -l) == 1)) ||
    fail "a start-up picture showed with the splash switch off"

height=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[2] }')
xdotool key --delay 50 F5 F3
shorter() {
    local now
    now=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[2] }')
    ((now < height))
}
until_true 5 shorter || fail "hiding the toolbar left the window's height at $height"

# Always On Top changes the window's stacking hint; the window stays shown where it was.
place=$(xdotool getwindowgeometry "$window" | awk '/Position/ { print $2 }')
xdotool key --delay 50 F4
visible_in_place() {
    xdotool search --onlyvisible --name '^Tarvo Pigmenta$' | grep -qx "$window" &&
        [[ $(xdotool getwindowgeometry "$window" | awk '/Position/ { print $2 }') == "$place" ]]
}
until_true 5 visible_in_place || fail "Always On Top moved or hid the window"

exit_by_menu "$pid"
wait "$pid" || fail "the program ended with status $?"

[[ $(stored View) == dword:00000006 ]] || fail "View stored as $(stored View)"
[[ $(stored Copy) == dword:0000004b ]] || fail "Copy stored as $(stored Copy)"
[[ $(stored 'Always On Top') == dword:ffffffff ]] || fail "Always On Top stored as $(stored 'Always On Top')"
[[ $(stored 'True Colour') == dword:000066ff ]] || fail "True Colour stored as $(stored 'True Colour')"
[[ -n $(stored Left) && -n $(stored Top) ]] || fail "the window's place was not stored"
echo "PASS"
