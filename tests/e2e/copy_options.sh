#!/bin/bash
# The Copy Options window as a person uses it, watched through the main window's Copy True Colour
# while the window stays open: a keyboard walk (F2; Tab and Shift+Tab through every control; space
# on the check boxes; the arrow keys through the options and on the precision's arrows; Ctrl+Tab
# through the pages; letters, digits and shifted characters typed as the precision; the "Invalid
# Entry" message; the RGB notice; Esc and Enter; the window has no access keys), then a pointer
# walk over every box, option, tab, the arrows, OK and Cancel. The settings file shows what the
# program stored when it ended.
program=$1
source "$(dirname "$0")/xsession.sh"

# "Copy" stored as text and a precision of 0, as hand edits leave them: they load as 66 (Quotes,
# Available names) and 3. The colour red 128, green 200, blue 1 shows the precision in the float
# form's text.
write_settings '"Splash"=dword:00000000' '"Copy"="66"' '"Precision"=dword:00000000'
sed -i 's/"True Colour"=dword:000066ff/"True Colour"=dword:0001c880/' "$settings"
start_program

shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
hidden() { ! shown "$1"; }

# open_options: F2 in the main window; sets options, and ox, oy: where the window lies.
open_options() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    xdotool windowfocus --sync "$window" key F2
    options=$(find_window 'Copy Options') || fail "F2 did not open Copy Options"
    xdotool windowfocus --sync "$options"
    eval "$(xdotool getwindowgeometry --shell "$options")"
    ox=$X oy=$Y
}

# copied TEXT: Copy True Colour puts TEXT on the clipboard; then an open Copy Options window has
# the focus again, on the control that had it.
copied() {
    printf 'nothing' | xclip -selection clipboard
    xdotool windowfocus --sync "$window" key ctrl+Insert
    until_true 5 clipboard_is "$1" || fail "copied $(xclip -selection clipboard -o), not $1"
    if shown 'Copy Options'; then xdotool windowfocus --sync "$options"; fi
}

# click_at X Y: a click at X, Y in the Copy Options window (the controls' places at scale 1).
# Without --sync, which waits forever for a pointer already there to move.
click_at() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; }
quotes=(51 62) pound=(175 62) lowercase=(51 82) names=(175 82)
rgb=(32 116) eight_bit=(48 140) percent=(48 163) float=(48 186)
precision=(150 187) up=(186 180) down=(186 193)
tag=(244 116) html=(260 140) css=(260 163) inline=(260 186)
general=(40 17) html_page=(105 17) css_page=(155 17) ok=(261 239) cancel=(340 239)
click() {
    local -n place=$1
    click_at "${place[0]}" "${place[1]}"
}
# click_tag_options: each of the seven options of the tag page shown, the last one last.
click_tag_options() {
    local places=(44 67 45 92 44 117 44 142 144 67 144 93 144 116) i
    for ((i = 0; i < 14; i += 2)); do click_at "${places[i]}" "${places[i + 1]}"; done
}

# Enter is OK, which takes the choices while the precision box is disabled.
open_options
copied '"80C801"'
xdotool key Return
until_true 5 hidden 'Copy Options' || fail "Enter did not close the window"

# Forward with Tab from the tabs: the four switches of the first frame row by row, space flipping
# each, then Use RGB values, which brings the notice; Esc closes it.
open_options
xdotool key Tab space && copied '80C801'
xdotool key Tab space && copied '#80C801'
xdotool key Tab space && copied '#80c801'
xdotool key Tab space Tab space
notice=$(find_window 'Tarvo Pigmenta R4') || fail "ticking Use RGB values showed no notice"
xdotool windowfocus --sync "$notice" key Escape
until_true 5 hidden 'Tarvo Pigmenta R4' || fail "Esc did not close the notice"
copied 'rgb(128, 200, 1)'
# The rgb forms by the arrow keys; then the precision box, whose text is read as a number.
xdotool key Tab Down && copied 'rgb(50%, 78%, 0%)'
xdotool key Down && copied 'rgb 0.502 0.784 0.004'
xdotool key Tab ctrl+a && xdotool type abc && xdotool key Return
message=$(find_window 'Invalid Entry') || fail "a precision of abc was taken"
xdotool windowfocus --sync "$message" key Return
until_true 5 hidden 'Invalid Entry' || fail "Enter did not close the message"
shown 'Copy Options' || fail "Copy Options closed on an invalid precision"
# The entry is selected: what is typed replaces it, and the arrows step the number typed.
xdotool windowfocus --sync "$options" type 5E0
xdotool key Tab Up Return
until_true 5 hidden 'Copy Options' || fail "Enter did not press OK"
copied 'rgb 0.501961 0.784314 0.003922'

# Backward with Shift+Tab from the tabs: Cancel, OK, Include tag (its options are disabled).
open_options
xdotool key shift+Tab shift+Tab shift+Tab space && copied 'color=rgb 0.501961 0.784314 0.003922'
xdotool key shift+Tab shift+Tab ctrl+a && xdotool type '&H7'
xdotool key Tab Up Tab Tab Down && copied 'color: rgb 0.501961 0.784314 0.003922'
xdotool key Down && copied "\"this.style.color='rgb 0.501961 0.784314 0.003922'\""
# On through OK and Cancel to the tabs, and with Ctrl+Tab to an option on each tag page.
xdotool key Tab Tab Tab ctrl+Tab Tab Down shift+Tab ctrl+Tab Tab Down Return
until_true 5 hidden 'Copy Options' || fail "Enter on an option did not press OK"
copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""

# Esc puts the switches back. The window opens on the page last shown, CSS; Ctrl+Shift+Tab goes
# back to the first, where Quotes (Inline CSS) and Pound sign (rgb) are passed by.
open_options
xdotool key ctrl+shift+Tab ctrl+shift+Tab Tab space
copied "\"THIS.STYLE.BACKGROUND-COLOR='RGB 0.50196078 0.78431373 0.00392157'\""
xdotool key Escape
until_true 5 hidden 'Copy Options' || fail "Esc did not cancel"
copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""
[[ $(stored 'Copy Tab') == dword:00000001 ]] || fail "Copy Tab stored as $(stored 'Copy Tab')"

# The pointer walk. Quotes is disabled while Inline CSS is chosen.
open_options
click quotes && copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""
click html && copied 'text=rgb 0.50196078 0.78431373 0.00392157'
click quotes && copied 'text="rgb 0.50196078 0.78431373 0.00392157"'
click css && copied 'background-color: "rgb 0.50196078 0.78431373 0.00392157"'
click inline && copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""
click tag && copied '"rgb 0.50196078 0.78431373 0.00392157"'
click rgb && copied '"#80c801"'
click pound && copied '"80c801"'
click lowercase && copied '"80C801"'
click names
# The notice again: its box ticked, Enter closes it, and it shows no more.
click rgb
notice=$(find_window 'Tarvo Pigmenta R4') || fail "ticking Use RGB values showed no notice"
eval "$(xdotool getwindowgeometry --shell "$notice")"
xdotool mousemove --sync $((X + 17)) $((Y + HEIGHT - 20)) click 1
xdotool windowfocus --sync "$notice" key Return
until_true 5 hidden 'Tarvo Pigmenta R4' || fail "Enter did not close the notice"
copied '"RGB 0.50196078 0.78431373 0.00392157"'
click eight_bit && copied '"RGB(128, 200, 1)"'
click percent && copied '"RGB(50%, 78%, 0%)"'
click float && copied '"RGB 0.50196078 0.78431373 0.00392157"'
click up
click html_page && click_tag_options
click css_page && click_tag_options
click general && click cancel
until_true 5 hidden 'Copy Options' || fail "Cancel did not close the window"
copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""

# The arrows step the number typed; OK takes it and the tag choices.
open_options
click rgb && copied "\"this.style.background-color='#80c801'\""
# A notice would hold the switch (and the main window) until it closed.
click rgb && copied "\"this.style.background-color='rgb 0.50196078 0.78431373 0.00392157'\""
click precision && xdotool key ctrl+a && xdotool type '5e1'
click down && click down && click up
click html_page && click_tag_options
click css_page && click_tag_options
click general && click html && copied 'text=rgb 0.50196078 0.78431373 0.00392157'
click ok
until_true 5 hidden 'Copy Options' || fail "OK did not close the window"
copied 'vlink=rgb 0.501960784313725 0.784313725490196 0.00392156862745098'

exit_by_menu "$pid"
wait "$pid" || fail "the program ended with status $?"
stored_as() {
    [[ $(stored "$1") == "$2" ]] || fail "$1 stored as $(stored "$1"), not $2"
}
stored_as Copy dword:0000003c
stored_as 'RGB Copy' dword:00000003
stored_as Precision dword:00000031
stored_as 'Tag Copy' dword:00000001
stored_as 'HTML Tag Copy' dword:00000007
stored_as 'CSS Tag Copy' dword:00000007
stored_as Alert dword:00000000
stored_as 'Copy Tab' dword:00000001
echo "PASS"
