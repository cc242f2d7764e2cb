#!/bin/bash
# The Enter Colour window as a person uses it: F9, a hex colour typed (with two letters the box
# refuses) and Enter, then the true colour copied with Ctrl+Ins and read from the X clipboard; the
# notation is in the settings file once the window has closed.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a'
start_program
xdotool key F9
entry=$(find_window 'Enter Colour') ||
    fail "F9 did not open Enter Colour"
xdotool windowfocus --sync "$entry"
xdotool type --delay 50 '33zz99cc'
xdotool key Return
entry_gone() { ! xdotool search --onlyvisible --name '^Enter Colour$' >/dev/null; }
until_true 5 entry_gone || fail "Enter did not take the colour"
[[ $(stored 'Colour Type') == dword:00000001 ]] || fail "Colour Type stored as $(stored 'Colour Type')"

xdotool windowfocus --sync "$window"
xdotool key ctrl+Insert
until_true 5 clipboard_is '"#3399CC"' || fail "the entered colour was not the current colour"

exit_by_menu "$pid"
echo "PASS"
