#!/bin/bash
# The Preview window as a person uses it, opened with F11 (and Ctrl+B, which sets the page's
# background): a key on the page closes it; typed texts, capitals and shifted signs included, stay
# open through arrows, Shift and Ctrl+A and are stored on Esc or Enter; the link shows Hover, Active
# link and Link colours as the pointer moves and presses; a click on the page or the picture area
# closes it; Change Font stores the face chosen in the font dialog; an unedited body goes back to
# the settings file byte for byte, CR LF and all.
program=$1
source "$(dirname "$0")/xsession.sh"

# The body text in the settings file's hex(1) form: UTF-16LE and a closing NUL.
body=$(
    {
        printf 'Line one\r\nLine two\r\n' | iconv -t UTF-16LE
        printf '\0\0'
    } | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//'
)
write_settings '"Splash"=dword:00000000' "\"Font\"=hex(1):$body"
start_program

# The preview: the program's other window.
preview_id() {
    xdotool search --onlyvisible --classname '^pigmenta$' | grep -vx "$window" | head -n1
}
is_open() { [[ -n $(preview_id) ]]; }
is_closed() { ! is_open; }
focused() { [[ $(xdotool getwindowfocus) == "$(preview_id)" ]]; }
# open_preview KEY: KEY pressed in the main window; sets X and Y, the preview's place.
open_preview() {
    xdotool windowfocus --sync "$window"
    xdotool key "$1"
    until_true 10 is_open || fail "$1 did not open the preview"
    until_true 10 focused || fail "the preview did not take the focus"
    eval "$(xdotool getwindowgeometry --shell "$(preview_id)")"
}
# expect_closed WHAT: the preview closes after WHAT.
expect_closed() { until_true 5 is_closed || fail "$1 did not close the preview"; }
# The heading, the link, the body, a bare part of the page and the picture area beside the body,
# in the preview.
heading=(140 27) link=(140 61) paragraph=(140 100) page=(140 45) picture=(16 120)
# move_to LEFT TOP: the pointer to that place in the preview.
move_to() { xdotool mousemove --sync $((X + $1)) $((Y + $2)); }
# link_shows COLOUR: the link box holds pixels of COLOUR (RRGGBB), as its underline does.
link_shows() {
    [[ $(import -window root -crop 237x19+$((X + 22))+$((Y + 52)) -depth 8 txt:-) == *"#$1 "* ]]
}

open_preview F11
xdotool key a
expect_closed "a key right after opening"
[[ $(stored Font) == "hex(1):$body" ]] || fail "the unedited body was stored as $(stored Font)"

open_preview F11
move_to "${heading[@]}"
xdotool click 1
xdotool key ctrl+a
xdotool type --delay 50 'Hello World!'
xdotool key --delay 50 Left Right Up Down Shift_L Control_L
xdotool type --delay 50 ' 2'
xdotool key Escape
expect_closed "Esc in the heading"
[[ $(stored Heading) == '"Hello World! 2"' ]] || fail "the heading was stored as $(stored Heading)"

open_preview F11
move_to "${link[@]}"
xdotool click 1
xdotool key --delay 50 shift+Home Down ctrl+a
xdotool type --delay 50 'Page #3'
xdotool key Return
expect_closed "Enter in the link"
[[ $(stored Link) == '"Page #3"' ]] || fail "the link was stored as $(stored Link)"


open_preview F11
move_to "${page[@]}"
until_true 5 link_shows 0000FF || fail "the link is not blue"
move_to "${link[@]}"
until_true 5 link_shows 009900 || fail "the link is not green under the pointer"
xdotool mousedown 1
until_true 5 link_shows FF0000 || fail "the link is not red while pressed"
xdotool mouseup 1
until_true 5 link_shows 0000FF || fail "the link is not blue once released"
move_to $((link[0] + 20)) "${link[1]}"
until_true 5 link_shows 009900 || fail "the link is not green as the pointer moves on it"
move_to "${heading[@]}"
until_true 5 link_shows 0000FF || fail "the link is not blue over the heading"
move_to "${page[@]}"
xdotool click 1
expect_closed "a click on the page"

open_preview F11
move_to "${picture[@]}"
xdotool click 1
expect_closed "a click on the picture area"

# Ctrl+B takes the current colour (FF6600) for the page's background.
open_preview ctrl+b
page_orange() {
    [[ $(import -window root -crop "1x1+$((X + page[0]))+$((Y + page[1]))" -depth 8 txt:-) == \
        *'#FF6600 '* ]]
}
until_true 5 page_orange || fail "Ctrl+B did not colour the page"
[[ $(stored Background) == dword:000066ff ]] || fail "Background stored as $(stored Background)"

# Change Font (Ctrl+C) asks in the font dialog, then shows the preview: Esc keeps the face the
# settings hold, a face typed and Enter stores it.
fonts_gone() { ! xdotool search --onlyvisible --name '^Select Font$' >/dev/null; }
# change_font KEY [FACE]: Ctrl+C in the main window, then FACE typed over the face the font dialog
# shows, and KEY.
change_font() {
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+c
    fonts=$(find_window 'Select Font') || fail "Ctrl+C did not open the font dialog"
    xdotool windowfocus --sync "$fonts"
    (($# < 2)) || xdotool type --delay 50 "$2"
    xdotool key "$1"
    until_true 5 fonts_gone || fail "$1 did not close the font dialog"
    until_true 10 is_open || fail "the preview did not show after the font dialog"
}
change_font Escape
! saved 'Font Name' || fail "a cancelled font dialog stored $(stored 'Font Name')"
change_font Return 'DejaVu Serif'
[[ $(stored 'Font Name') == '"DejaVu Serif"' ]] || fail "Font Name stored as $(stored 'Font Name')"

xdotool windowfocus --sync "$window"
expect_closed "the main window's activation"
[[ $(stored Font) == "hex(1):$body" ]] || fail "the body was stored as $(stored Font)"

# The body typed over, capitals and shifted signs included.
open_preview F11
move_to "${paragraph[@]}"
xdotool click 1
xdotool key ctrl+a
xdotool type --delay 50 'Body & More: 100% (Q)'
xdotool key Escape
expect_closed "Esc in the body"
[[ $(stored Font) == '"Body & More: 100% (Q)"' ]] || fail "the body was stored as $(stored Font)"
xdotool windowfocus --sync "$window"
exit_by_menu "$pid"
echo "PASS"
