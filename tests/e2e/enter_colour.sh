#!/bin/bash
# The Enter Colour window as a person uses it, by keyboard and by pointer: F9 opens it; letters in
# either case, digits and shifted characters go into its boxes as far as each notation allows; Tab
# and Shift+Tab walk its controls in order and the arrows choose among the options; Enter, or OK,
# takes the colour and Esc, or Cancel, leaves it; the program's own copy text pasted into the hex
# box goes in. Each time the current colour is read by copying it with Ctrl+Ins in the main window,
# and the notation from the settings file once the window has closed. The window has no access keys.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a'
start_program

# open: F9 in the main window; Enter Colour shows, focused, at X, Y.
open() {
    xdotool windowfocus --sync "$window"
    xdotool key F9
    entry=$(find_window 'Enter Colour') || fail "F9 did not open Enter Colour"
    xdotool windowfocus --sync "$entry"
    eval "$(xdotool getwindowgeometry --shell "$entry")"
}

# click CONTROL: a click in the middle of a control of the window.
declare -A centre=([optHex]='50 40' [optDec]='120 40' [optName]='200 40' [optFloat]='275 40'
    [red]='69 82' [green]='175 82' [blue]='281 82' [cmdOK]='217 133' [cmdCancel]='293 133')
click() {
    local at=(${centre[$1]})
    xdotool mousemove --sync $((X + at[0])) $((Y + at[1])) click 1
}

type_keys() { xdotool type --delay 50 "$1"; }
keys() { xdotool key --delay 50 "$@"; }

# closed_with TEXT STEP: the window closed after STEP, and the current colour copies as TEXT.
closed_with() {
    entry_gone() { ! xdotool search --onlyvisible --name '^Enter Colour$' >/dev/null; }
    until_true 5 entry_gone || fail "$2: the window stayed open"
    printf 'none' | xclip -selection clipboard
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+Insert
    until_true 5 clipboard_is "$1" ||
        fail "$2: the current colour is $(xclip -selection clipboard -o), not $1"
}

# notation_is VALUE STEP: the notation stored after STEP.
notation_is() {
    [[ $(stored 'Colour Type') == "dword:0000000$1" ]] ||
        fail "$2: Colour Type stored as $(stored 'Colour Type')"
}

# The keyboard. Hex first, with the focus in its box: z, # and % are refused.
open
type_keys '33zZ99cC#%'
keys Return
closed_with '"#3399CC"' "hex typed, Enter"
notation_is 1 "hex typed, Enter"

# Tab goes from the box to OK and on to Cancel, Shift+Tab back to OK, and space presses it.
open
type_keys '123456'
keys Tab Tab shift+Tab space
closed_with '"#123456"' "Tab, Tab, Shift+Tab, space"

# Tab, Tab and space press Cancel.
open
type_keys 'abcdef'
keys Tab Tab space
closed_with '"#123456"' "Tab, Tab, space"

# Past Cancel, Tab goes to the options, which are one stop: Right chooses Decimal and Tab goes on
# to its box, where only digits go in.
open
keys Tab Tab Tab Right Tab
type_keys '1673%7#79a2'
keys Return
closed_with '"#FF6600"' "decimal by keys"
notation_is 2 "decimal by keys"

# Shift+Tab goes from the box back to the options, at RGB; Left moves to Name and space chooses it.
# Its box takes letters only.
open
keys shift+Tab Left space Tab
type_keys 'Red1!'
keys Return
closed_with '"#FF0000"' "name by keys"

# Space chooses RGB. Tab and Shift+Tab walk its three boxes, each entered with its text selected,
# which Delete deletes; Home and the arrows leave the caret at the end.
open
keys shift+Tab space Tab
type_keys '9'
keys Tab
type_keys '4#0%'
keys Tab
type_keys '0'
keys shift+Tab shift+Tab Delete
type_keys '25'
keys Home Left Up
type_keys '5'
keys Return
closed_with '"#FF6600"' "rgb by keys"
notation_is 8 "rgb by keys"

# Esc leaves the colour as it was, and stores the notation chosen.
open
keys shift+Tab Left space Tab
type_keys 'blue'
keys Escape
closed_with '"#FF6600"' "Esc"
notation_is 4 "Esc"

# The pointer: a click on an option puts the focus in its box, and OK takes the colour.
open
click optHex
type_keys '00ff01'
click cmdOK
closed_with '"#00FF01"' "hex by pointer"

open
click optDec
type_keys '256'
click cmdOK
closed_with '"#000100"' "decimal by pointer"

open
click optName
type_keys 'Red'
click cmdOK
closed_with '"#FF0000"' "name by pointer"

# A click in an RGB box leaves the caret after its text: 25, then 5 after a click, is 255.
open
click optFloat
type_keys '25'
click green
type_keys '0'
click red
type_keys '5'
click blue
type_keys '0.4'
click cmdOK
closed_with '"#FF0066"' "rgb by pointer"

open
click optHex
type_keys '123456'
click cmdCancel
closed_with '"#FF0066"' "Cancel by pointer"
notation_is 1 "Cancel by pointer"

# The program's own copy text pasted into the hex box with Ctrl+V goes in without its quotes and
# pound sign; its last digit is then typed over.
printf '"#FF6600"' | xclip -selection clipboard
open
keys ctrl+v BackSpace 1 Return
closed_with '"#FF6601"' "pasted"

exit_by_menu "$pid"
echo "PASS"
