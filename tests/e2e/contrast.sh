#!/bin/bash
# The Contrast window as a person uses it: F12 in the main window opens it (once, however often it
# is pressed) without the Preview; Tab keeps to Close, which Space, Enter and Esc all close it with.
# While it stays open, its samples follow a colour typed in Enter Colour (the current colour's
# rows) and a colour given to the Preview's background with Ctrl+B (the Preview's rows).
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000'
start_program

shown() { xdotool search --onlyvisible --name '^Contrast$'; }
is_closed() { [[ -z $(shown) ]]; }
# open_contrast: F12 in the main window; sets contrast.
open_contrast() {
    xdotool windowfocus --sync "$window"
    xdotool key F12
    contrast=$(find_window Contrast) || fail "F12 did not open the Contrast window"
    focused() { [[ $(xdotool getwindowfocus) == "$contrast" ]]; }
    until_true 5 focused || fail "the Contrast window did not take the focus"
}
# close_by KEYS...: the keys close the window.
close_by() {
    open_contrast
    xdotool key --delay 50 "$@"
    until_true 5 is_closed || fail "$* did not close the Contrast window"
}
close_by Tab Tab space
close_by Escape
close_by Return

open_contrast
(($(xdotool search --onlyvisible --classname '^pigmenta$' | wc -l) == 2)) ||
    fail "F12 opened more than the Contrast window"
open_contrast
(($(shown | wc -l) == 1)) || fail "F12 opened a second Contrast window"

# The samples, in the window's left strip, moved clear of the main window and the Preview.
xdotool windowmove --sync "$contrast" 0 0
eval "$(xdotool getwindowgeometry --shell "$contrast")"
# pixels COLOUR: how many pixels of COLOUR (RRGGBB) the samples show.
pixels() { import -window root -crop "40x$HEIGHT+0+0" -depth 8 txt:- | grep -c "#$1 " || true; }
(($(pixels FF6600) > 0)) || fail "the current colour's samples show no FF6600"

xdotool windowfocus --sync "$window"
xdotool key F9
entry=$(find_window 'Enter Colour') || fail "F9 did not open Enter Colour"
xdotool windowfocus --sync "$entry"
xdotool type --delay 50 000000
xdotool key Return
no_orange() { (($(pixels FF6600) == 0)); }
until_true 5 no_orange || fail "the samples kept the current colour FF6600 after 000000 was entered"

black=$(pixels 000000)
xdotool windowfocus --sync "$window"
xdotool key ctrl+b
# The Preview's five samples fill with black.
more_black() { (($(pixels 000000) > black + 1000)); }
until_true 5 more_black || fail "the samples did not take the background stored by Ctrl+B"

xdotool windowfocus --sync "$window"
exit_by_menu "$pid"
echo "PASS"
