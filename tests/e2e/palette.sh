#!/bin/bash
# The palette as a person uses it: a click on a names-palette cell with instant copy on puts the
# colour's name on the X clipboard; then, with the custom palette, the current colour dragged
# from its display onto a swatch is in the settings file while the program still runs.
program=$1
source "$(dirname "$0")/xsession.sh"

# Instant copy with quotes, pound sign and names; the names palette; only the palette shown
# beside the colour and the finder, so that it lies at a fixed place above the window's bottom.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004b' '"View"=dword:00000004' \
    '"Palette"=dword:0000001e'
start_program
place_palette "$window"

# darkcyan: the names palette's column 3, row 3, at (500, 300) twips of the palette.
xdotool mousemove --sync $((palette_x + 33)) $((palette_y + 20)) click 1
until_true 5 clipboard_is '"DARKCYAN"' || fail "a click on darkcyan did not copy its name"

xdotool key --delay 100 alt+v c
save_swatch 9
swatch_saved() { [[ $(stored 9) == dword:008b8b00 ]]; }
until_true 5 swatch_saved || fail "the dragged colour was not saved in swatch 10: $(stored 9)"

exit_by_menu "$pid"
echo "PASS"
