#!/bin/bash
# The Copy Options window as a person uses it: F2 opens it, a precision of 0 is refused with the
# "Invalid Entry" message, Escape closes the message and the window stays open; then Escape is
# Cancel and the page shown is remembered in the settings file.
program=$1
source "$(dirname "$0")/xsession.sh"

# rgb values in the float form, so that the precision can be typed.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000005a' '"RGB Copy"=dword:00000003'
start_program
xdotool key F2
options=$(find_window 'Copy Options') ||
    fail "F2 did not open Copy Options"
xdotool windowfocus --sync "$options"
eval "$(xdotool getwindowgeometry --shell "$options")"
# The precision box, in the rgb frame of the General page.
xdotool mousemove --sync $((X + 150)) $((Y + 187)) click 1
xdotool key --delay 50 ctrl+a 0 Return
find_window 'Invalid Entry' >/dev/null ||
    fail "a precision of 0 did not bring up Invalid Entry"
xdotool key Escape
message_gone() { ! xdotool search --onlyvisible --name '^Invalid Entry$' >/dev/null; }
until_true 5 message_gone || fail "Escape did not close the message"
xdotool search --onlyvisible --name '^Copy Options$' >/dev/null || fail "the window closed"

# Escape is Cancel; the General page is stored as the page last shown.
xdotool windowfocus --sync "$options"
xdotool key Escape
options_gone() { ! xdotool search --onlyvisible --name '^Copy Options$' >/dev/null; }
until_true 5 options_gone || fail "Escape did not cancel Copy Options"
[[ $(stored 'Copy Tab') == dword:00000001 ]] || fail "Copy Tab stored as $(stored 'Copy Tab')"

xdotool windowfocus --sync "$window"
exit_by_menu "$pid"
echo "PASS"
