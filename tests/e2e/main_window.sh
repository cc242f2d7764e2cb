#!/bin/bash
# The main window as a person uses it. First by keyboard: every menu by its access key and every
# shortcut whose effect shows outside the program (the X clipboard, a window that opens, the
# window's height, the palette's picture, the manual handed to the desktop's opener, the settings
# file). The window has no control that takes the keyboard focus, so there is no Tab order to
# walk. Then by pointer: the tooltips and presses of the toolbar buttons, a press on the finder
# icon and double-clicks on the status panels.
program=$1
source "$(dirname "$0")/xsession.sh"

# The desktop's opener, recording what it is handed.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
touch "$work/opened"
manual="file://$(cd "$(dirname "$program")" && pwd)/help/index.html"

# The main window's place and size: X, Y, WIDTH, HEIGHT.
measure() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
height_is() { measure && ((HEIGHT == $1)); }
height_is_not() { ! height_is "$1"; }
# picture LEFT TOP WIDTH HEIGHT: a fingerprint of that part of the main window as it shows now.
picture() { import -window "$window" -crop "$3x$4+$1+$2" +repage rgb:- | md5sum; }
# The palette's picture, while the toolbar, the palette and the status bar are all shown.
palette_picture() { measure && picture 10 $((HEIGHT - 110)) 200 70; }
palette_is_not() { [[ $(palette_picture) != "$1" ]]; }
# The program's shown windows besides the main window: a dialog, the preview, a tooltip.
others() { xdotool search --onlyvisible --classname '^pigmenta$' | grep -vx "$window" || true; }
no_others() { [[ -z $(others) ]]; }
some_other() { [[ -n $(others) ]]; }
focus_main() { xdotool windowfocus --sync "$window"; }
# keys KEY...: the keys pressed on the main window.
keys() {
    focus_main
    xdotool key --delay 100 "$@"
}
# copies TEXT KEY...: the keys put TEXT on the X clipboard.
copies() {
    local text=$1
    shift
    printf 'none' | xclip -selection clipboard
    keys "$@"
    until_true 5 clipboard_is "$text" || fail "$* did not copy $text: $(xclip -selection clipboard -o)"
}
# dialog TITLE KEY...: the keys open the window TITLE, which then has the focus.
dialog() {
    local title=$1 id
    shift
    keys "$@"
    id=$(find_window "$title") || fail "$* did not open $title"
    xdotool windowfocus --sync "$id"
}
# opens TITLE KEY...: the keys open the window TITLE; Escape closes it again.
opens() {
    dialog "$@"
    xdotool key Escape
    until_true 5 no_others || fail "Escape did not close $1"
}
# enter COLOUR KEY...: the keys open Enter Colour, where the colour is typed and taken.
enter() {
    local colour=$1
    shift
    dialog 'Enter Colour' "$@"
    xdotool type --delay 50 "$colour"
    xdotool key Return
    until_true 5 no_others || fail "Enter did not take $colour"
}
# closes_preview: the preview shows, and a key on it closes it.
closes_preview() {
    until_true 5 some_other || fail "no preview"
    xdotool windowfocus --sync "$(others)"
    xdotool key Escape
    until_true 5 no_others || fail "a key did not close the preview"
}
opened_times() { (($(wc -l <"$work/opened") == $1)); }
# manual_opens N KEY...: the keys hand the manual to the opener, the Nth time.
manual_opens() {
    local times=$1
    shift
    xdotool key --delay 100 "$@"
    until_true 5 opened_times "$times" || fail "$* did not open the manual"
    [[ $(tail -n1 "$work/opened") == "$manual" ]] || fail "$* opened $(tail -n1 "$work/opened")"
}
# colour_is NAME VALUE: the value NAME of the Colours key.
colour_is() {
    [[ $(sed -n '/Pigmenta R4\\Colours\]/,/^\[/p' "$settings" | grep -a "^\"$1\"=" |
        cut -d= -f2 | tr -d '\r') == "$2" ]]
}
# point LEFT TOP: the pointer on that place of the main window.
point() { xdotool mousemove --sync $((X + $1)) $((Y + $2)); }
# press LEFT TOP...: the pointer pressed at each place in turn.
press() {
    while (($#)); do
        point "$1" "$2"
        xdotool click 1
        shift 2
    done
}
double_click() { point "$1" "$2" && xdotool click --repeat 2 1; }
# press_copies TEXT LEFT TOP...: the presses put TEXT on the X clipboard.
press_copies() {
    local text=$1
    shift
    printf 'none' | xclip -selection clipboard
    press "$@"
    until_true 5 clipboard_is "$text" || fail "presses at $* did not copy $text"
}

# By keyboard, with the earlier release's key, so that Import Settings is enabled.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a' '"View"=dword:00000007'
printf '[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmentist]\r\n\r\n' >>"$settings"
PATH=$work/bin:$PATH start_program
xdotool mousemove 0 0

# Colour: the copies, Enter Colour by its item and its key, undo and redo, the system colour
# dialog. Tomato's safe colour is FF6633.
copies '"#FF6600"' alt+c t
# With the splash switch off, the main window is the program's only window.
no_others || fail "a start-up picture showed with the splash switch off"
enter ff6347 alt+c e
copies '"#FF6347"' ctrl+Insert
copies '"#FF6633"' alt+c s
copies '"#FF6633"' shift+Insert
enter ff6600 F9
copies '"#FF6347"' ctrl+z ctrl+Insert
copies '"#FF6600"' ctrl+y ctrl+Insert
copies '"#FF6347"' alt+c u ctrl+Insert
copies '"#FF6600"' alt+c r ctrl+Insert
keys ctrl+z
opens 'Select Color' alt+c y
copies '"#FF6347"' ctrl+Insert
# A colour chosen there is shown and, with instant copy on, copied at once. It records nothing to
# undo: undo brings back FF6600, recorded last, not FF6347, which the chosen colour replaced.
keys alt+o i
dialog 'Select Color' alt+c y
printf 'none' | xclip -selection clipboard
xdotool key alt+h
xdotool type '#010203'
xdotool key Return
until_true 5 clipboard_is '"#010203"' || fail "the colour chosen in Select Color was not copied"
copies '"#FF6600"' ctrl+z ctrl+Insert
copies '"#010203"' ctrl+y ctrl+Insert
keys alt+o i
enter ff6347 F9

# View: the five palettes, each drawn differently, the first one again at the end.
pictures=()
previous=
for key in s g n y c s; do
    keys alt+v "$key"
    until_true 5 palette_is_not "$previous" || fail "Alt+V $key did not draw another palette"
    previous=$(palette_picture)
    pictures+=("$previous")
done
[[ ${pictures[0]} == "${pictures[5]}" ]] || fail "Alt+V S did not draw the browser-safe palette"
(($(printf '%s\n' "${pictures[@]}" | sort -u | wc -l) == 5)) || fail "two palettes look alike"
# Each part hidden by its menu item and shown by its key, then the other way round.
measure
full=$HEIGHT
for pair in 'alt+v t:F5' 'alt+v b:F6' 'alt+v p:F7' 'F5:alt+v t' 'F6:alt+v b' 'F7:alt+v p'; do
    keys ${pair%%:*}
    until_true 5 height_is_not "$full" || fail "${pair%%:*} did not hide a part"
    keys ${pair#*:}
    until_true 5 height_is "$full" || fail "${pair#*:} did not show the part again"
done

# The Preview: shown by its items and keys, each colour stored at once. A key on it closes it;
# F1 opens the manual and leaves it open, to close as the viewer takes the focus.
for shortcut in 'alt+v v d' F11 ctrl+o; do
    keys $shortcut
    closes_preview
done
keys F11
until_true 5 some_other || fail "F11 did not show the preview"
xdotool windowfocus --sync "$(others)"
manual_opens 1 F1
some_other || fail "F1 closed the preview"
for shortcut in ctrl+a:'Active Link' ctrl+b:Background ctrl+f:Font ctrl+h:Heading \
    ctrl+v:Hover ctrl+l:Link; do
    keys "${shortcut%%:*}"
    until_true 5 colour_is "${shortcut#*:}" dword:004763ff || fail "$shortcut stored no colour"
done
# Change Font shows the preview after the font dialog.
dialog 'Select Font' ctrl+c
xdotool key Escape
closes_preview

# Options and Help, and F1 in Enter Colour's box and in About.
opens 'Copy Options' alt+o c
opens 'Copy Options' F2
keys alt+o i F3 alt+o i
opens 'Confirm Import' alt+o m
dialog 'Enter Colour' F9
manual_opens 2 F1
xdotool type --delay 50 ff6347
xdotool key Return
until_true 5 no_others || fail "Enter did not close Enter Colour"
opens 'About Tarvo Pigmenta R4' alt+h a
dialog 'About Tarvo Pigmenta R4' alt+h a
manual_opens 3 F1
xdotool key Escape
until_true 5 no_others || fail "Escape did not close About"
focus_main
manual_opens 4 alt+h c
manual_opens 5 F1

# Always On Top changes the window's stacking hint; the window stays shown where it was.
measure
place="$X,$Y"
visible_in_place() {
    xdotool search --onlyvisible --name '^Tarvo Pigmenta$' | grep -qx "$window" &&
        measure && [[ "$X,$Y" == "$place" ]]
}
keys alt+o a
until_true 5 visible_in_place || fail "Always On Top moved or hid the window"
# Closing stores the switches, the place in twips and the colours.
keys F4 alt+o s ctrl+x
gone() { ! kill -0 "$pid" 2>/dev/null; }
until_true 10 gone || fail "Ctrl+X did not end the program"

[[ $(stored Palette) == dword:0000000a ]] || fail "Palette stored as $(stored Palette)"
[[ $(stored View) == dword:00000007 ]] || fail "View stored as $(stored View)"
[[ $(stored Copy) == dword:0000004b ]] || fail "Copy stored as $(stored Copy)"
[[ $(stored 'Always On Top') == dword:00000000 ]] ||
    fail "Always On Top stored as $(stored 'Always On Top')"
[[ $(stored Splash) == dword:ffffffff ]] || fail "Splash stored as $(stored Splash)"
[[ $(stored 'True Colour') == dword:004763ff ]] ||
    fail "True Colour stored as $(stored 'True Colour')"
[[ $(stored 'Safe Colour') == dword:003366ff ]] ||
    fail "Safe Colour stored as $(stored 'Safe Colour')"
[[ $(stored Left),$(stored Top) == $(printf 'dword:%08x,dword:%08x' $((X * 15)) $((Y * 15))) ]] ||
    fail "the place $X,$Y stored as $(stored Left),$(stored Top)"

# By pointer, with no program to open the manual, so that its status text is too long for the
# panel. The toolbar buttons are 24 pixels wide from 1, the separators 6.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a' '"View"=dword:00000007'
start_program env PATH="$work/none" "$program"
measure
toolbar=31 finder=(51 222) panels=393

# Each toolbar button, the finder icon and status panels 2 and 3 show a tooltip of their own.
tips=()
for place in "13 $toolbar" "37 $toolbar" "67 $toolbar" "97 $toolbar" "121 $toolbar" \
    "145 $toolbar" "169 $toolbar" "199 $toolbar" "${finder[*]}" "165 $panels" "206 $panels"; do
    point 112 120
    until_true 5 no_others || fail "a tooltip stayed"
    point $place
    until_true 5 some_other || fail "no tooltip at $place"
    tips+=("$(import -window "$(others)" rgb:- | md5sum)")
done
(($(printf '%s\n' "${tips[@]}" | sort -u | wc -l) == 11)) || fail "two tooltips look alike"

# The copy buttons, then each copy switch seen in the next True Copy.
press_copies '"#FF6600"' 13 $toolbar
press_copies '"#FF6600"' 37 $toolbar
press_copies '#FF6600' 97 $toolbar 13 $toolbar
press_copies '#ff6600' 121 $toolbar 13 $toolbar
press_copies 'ff6600' 145 $toolbar 13 $toolbar
press_copies 'color=ff6600' 169 $toolbar 13 $toolbar
press_copies 'color=rgb(255, 102, 0)' 199 $toolbar 13 $toolbar
# Cycle Palettes and a double-click on panel 2 each draw the next palette.
before=$(palette_picture)
press 67 $toolbar
until_true 5 palette_is_not "$before" || fail "Cycle Palettes drew no other palette"
before=$(palette_picture)
double_click 165 $panels
until_true 5 palette_is_not "$before" || fail "a double-click on panel 2 drew no other palette"
# A double-click on panel 3 switches instant copy on: a press on the finder icon copies. Off
# again, it does not.
double_click 206 $panels
press_copies 'color=rgb(255, 102, 0)' "${finder[@]}"
double_click 206 $panels
printf 'none' | xclip -selection clipboard
press "${finder[@]}"
# A double-click on panel 1 does nothing; its text, too long for it, shows whole in its tooltip.
keys F1
before=$(picture 0 0 "$WIDTH" "$HEIGHT")
double_click 72 $panels
point 73 $panels
until_true 5 some_other || fail "no tooltip on panel 1"
(($(xdotool getwindowgeometry "$(others)" | awk '/Geometry/ { split($2, s, "x"); print s[1] }') > 200)) ||
    fail "panel 1's tooltip does not hold the whole text"
[[ $(picture 0 0 "$WIDTH" "$HEIGHT") == "$before" ]] || fail "a double-click on panel 1 did something"
# By now the press on the finder icon with instant copy off has long been handled.
clipboard_is none || fail "the finder icon copied with instant copy off"

exit_by_menu "$pid"
[[ $(stored Copy) == dword:00000074 ]] || fail "Copy stored as $(stored Copy)"
[[ $(stored Palette) == dword:0000001e ]] || fail "Palette stored as $(stored Palette)"
echo "PASS"
