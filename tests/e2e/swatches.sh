#!/bin/bash
# The custom swatches out to a palette file and in from one, as a person does it: Colour > Export
# Swatches (Alt+C, P) in Qt's own file dialog writes the saved swatches as a GIMP palette; with
# another settings file Colour > Import Swatches (Alt+C, I) puts them into the free swatches from
# the last one up, where the custom palette shows them; a file that is no palette gets a message
# and changes nothing. Then the pointer resting on a cell of the names palette shows a tooltip.
program=$1
source "$(dirname "$0")/xsession.sh"

# The custom palette shown beside the colour and the finder, with the given swatches saved
# ("3"=dword:000066ff).
custom_palette() {
    write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:00000032'
    printf '%s\r\n' "$@" >>"$settings"
}
# file_dialog TITLE KEY... NAME: the keys open the file dialog TITLE, where NAME is typed and
# taken. Enter may first only close the name's completion, so it is pressed while that dialog
# still has the focus, until it is gone (a message that follows may have the same title).
file_dialog() {
    local title=$1 name=${*: -1} dialog
    xdotool windowfocus --sync "$window"
    xdotool key --delay 100 "${@:2:$#-2}"
    dialog=$(find_window "$title") || fail "${*:2:$#-2} did not open $title"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 "$name"
    taken() {
        xdotool search --onlyvisible --name "^$title\$" | grep -qx "$dialog" || return 0
        [[ $(xdotool getwindowfocus) != "$dialog" ]] || xdotool key Return
        false
    }
    until_true 10 taken || fail "$title did not take $name"
}

custom_palette '"3"=dword:000066ff' '"10"=dword:008b8b00' '"40"=dword:00030201'
start_program
# A name without an ending gets the one of the filter, the first.
file_dialog 'Export Swatches' alt+c p "$work/out"
until_true 10 test -s "$work/out.gpl" || fail "Export Swatches wrote no $work/out.gpl"
diff <(printf 'GIMP Palette\nName: Tarvo Pigmenta swatches\nColumns: 8\n#\n%s\n%s\n%s\n' \
    $'255 102   0\tSwatch 1' $'  0 139 139\tSwatch 2' $'  1   2   3\tSwatch 3') "$work/out.gpl" ||
    fail "the exported palette differs"
# The same name typed again without its ending: the dialog asks before out.gpl is replaced, and
# No, then Esc, leave it as it was.
file=$(stat -c %i "$work/out.gpl")
xdotool windowfocus --sync "$window" key --delay 100 alt+c p
dialog=$(find_window 'Export Swatches') || fail "Alt+C, P did not open Export Swatches again"
xdotool windowfocus --sync "$dialog" type --delay 20 "$work/out"
asked() {
    question=$(xdotool search --onlyvisible --name '^Export Swatches$' | grep -vx "$dialog") &&
        return 0
    [[ $(xdotool getwindowfocus) != "$dialog" ]] || xdotool key Return
    false
}
until_true 10 asked || fail "out.gpl was about to be replaced unasked"
xdotool windowfocus --sync "$question" key Escape
xdotool windowfocus --sync "$dialog" key Escape
until_true 5 eval '[[ -z $(xdotool search --onlyvisible --name "^Export Swatches\$") ]]' ||
    fail "No and Esc did not close the file dialog"
[[ $(stat -c %i "$work/out.gpl") == "$file" ]] || fail "out.gpl was replaced after No"
exit_by_menu "$pid"

# Swatch 64 is in use, so the three go into 63, 62 and 61.
custom_palette '"63"=dword:00ffffff'
start_program
file_dialog 'Import Swatches' alt+c i "$work/out.gpl"
imported() {
    [[ $(stored 62):$(stored 61):$(stored 60):$(stored 63) == \
        dword:000066ff:dword:008b8b00:dword:00030201:dword:00ffffff ]]
}
until_true 10 imported || fail "the swatches were not imported: $(grep -a dword "$settings")"
# Swatch 63 on the screen: the first colour of the file.
place_palette "$window"
swatch_middle 62
shown() {
    [[ $(import -window root -crop "1x1+$swatch_x+$swatch_y" -depth 8 txt:- | tail -n1) == *'#FF6600'* ]]
}
until_true 5 shown || fail "the custom palette does not show swatch 63 imported"

# A file that is no palette: a message says so, and the settings stay as they were.
printf 'not a palette\n' >"$work/bad.gpl"
cp "$settings" "$work/before.reg"
file_dialog 'Import Swatches' alt+c i "$work/bad.gpl"
message=$(find_window 'Import Swatches') || fail "no message about $work/bad.gpl"
xdotool windowfocus --sync "$message" key Return
until_true 5 eval '[[ -z $(xdotool search --onlyvisible --name "^Import Swatches\$") ]]' ||
    fail "Enter did not close the message"
cmp -s "$settings" "$work/before.reg" || fail "a bad file changed the settings"
exit_by_menu "$pid"

# Resting on darkcyan in the names palette shows a tooltip beside the pointer: a second window of
# the program.
write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:0000001e'
start_program
place_palette "$window"
xdotool mousemove --sync $((palette_x + 30)) $((palette_y + 15))
xdotool mousemove --sync $((palette_x + 33)) $((palette_y + 20))
tooltip() { xdotool search --onlyvisible --classname '^pigmenta$' | grep -qvx "$window"; }
until_true 10 tooltip || fail "no tooltip over darkcyan"
exit_by_menu "$pid"
echo "PASS"
