#!/bin/bash
# The program as a person uses it: started with a prepared settings file, a copy by its
# shortcut read from the X clipboard, a view part and a copy switch toggled by their keys, the
# manual by F1 from three windows, closed with Colour > Exit; then the settings file it wrote.
program=$1
source "$(dirname "$0")/xsession.sh"

# The desktop's opener, recording what it is handed.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
touch "$work/opened"
opened_times() { (($(wc -l <"$work/opened") == $1)); }

write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a' '"View"=dword:00000007'
PATH=$work/bin:$PATH start_program

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

# F1 opens the manual from every window: the main window, Enter Colour's box, the preview.
xdotool key F1
until_true 5 opened_times 1 || fail "F1 did not open the manual"
xdotool key F9
entry=$(find_window 'Enter Colour') || fail "F9 did not open Enter Colour"
xdotool windowfocus --sync "$entry"
xdotool key F1
until_true 5 opened_times 2 || fail "F1 in Enter Colour did not open the manual"
xdotool type --delay 50 ff6600
xdotool key Return
xdotool windowfocus --sync "$window"
xdotool key F11
preview_shown() { (($(xdotool search --onlyvisible --classname '^pigmenta$' | wc -l) == 2)); }
until_true 5 preview_shown || fail "F11 did not show the preview"
xdotool key F1
until_true 5 opened_times 3 || fail "F1 in the preview did not open the manual"
manual="file://$(cd "$(dirname "$program")" && pwd)/help/index.html"
[[ $(sort -u "$work/opened") == "$manual" ]] || fail "F1 opened $(sort -u "$work/opened")"

xdotool windowfocus --sync "$window"
exit_by_menu "$pid"
wait "$pid" || fail "the program ended with status $?"

[[ $(stored View) == dword:00000006 ]] || fail "View stored as $(stored View)"
[[ $(stored Copy) == dword:0000004b ]] || fail "Copy stored as $(stored Copy)"
[[ $(stored 'Always On Top') == dword:ffffffff ]] || fail "Always On Top stored as $(stored 'Always On Top')"
[[ $(stored 'True Colour') == dword:000066ff ]] || fail "True Colour stored as $(stored 'True Colour')"
[[ -n $(stored Left) && -n $(stored Top) ]] || fail "the window's place was not stored"
echo "PASS"
