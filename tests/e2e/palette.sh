#!/bin/bash
# The palette as a person uses it. Over the names palette the pointer is a dropper that fills up
# while the button is down; a click copies the cell's name with instant copy on, and on the pixels
# of a grid line, also at scale factors 1.25, 1.5 and 2, the name copied and the colour taken are
# one cell's. With the custom palette the current colour dragged from its display onto a swatch is
# in the settings file while the program runs, but not when the palette is hidden (F7) before or
# during the drag; a saved swatch dragged off the palette is deleted.
program=$1
source "$(dirname "$0")/xsession.sh"

# The pointer shown now, as XFixes gives it: its size, hot spot and a checksum of its pixels.
pointer_image() {
    python3 - <<'EOF'
import ctypes, zlib
x11, xfixes = ctypes.CDLL('libX11.so.6'), ctypes.CDLL('libXfixes.so.3')
class Image(ctypes.Structure):
    _fields_ = [('x', ctypes.c_short), ('y', ctypes.c_short), ('width', ctypes.c_ushort),
                ('height', ctypes.c_ushort), ('xhot', ctypes.c_ushort), ('yhot', ctypes.c_ushort),
                ('serial', ctypes.c_ulong), ('pixels', ctypes.POINTER(ctypes.c_ulong))]
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
pixels = bytes(str(image.pixels[:image.width * image.height]), 'ascii')
print(f'{image.width}x{image.height}+{image.xhot}+{image.yhot} {zlib.crc32(pixels)}')
EOF
}
pointer_is() { [[ $(pointer_image) == "$1" ]]; }
dropper() { [[ $(pointer_image) == '32x32+8+22 '* ]]; }

clipboard_set() { [[ $(xclip -selection clipboard -o 2>/dev/null) != none ]]; }
clipboard_hex() { [[ $(xclip -selection clipboard -o 2>/dev/null) == '"#'* ]]; }
# pick X Y: a click on the screen pixel (X, Y); sets name to the text instant copy put on the
# clipboard, and taken to the current colour then, as Ctrl+Insert copies it.
pick() {
    # The program's copy must come after xclip holds "none", or xclip's late claim hides it.
    printf none | xclip -selection clipboard
    until_true 5 clipboard_is none || fail "xclip did not take the clipboard"
    xdotool mousemove --sync "$1" "$2" click 1
    until_true 5 clipboard_set || fail "a click at ($1, $2) copied nothing"
    name=$(xclip -selection clipboard -o)
    printf none | xclip -selection clipboard
    until_true 5 clipboard_is none || fail "xclip did not take the clipboard"
    xdotool key ctrl+Insert
    until_true 5 clipboard_hex || fail "Ctrl+Insert copied nothing after the click at ($1, $2)"
    taken=$(xclip -selection clipboard -o)
}
declare -A hex=([ALICEBLUE]=F0F8FF [ANTIQUEWHITE]=FAEBD7 [DARKCYAN]=008B8B [GRAY]=808080)
# same_cell: the name copied and the colour taken belong to one cell.
same_cell() {
    [[ $taken == "\"#${hex[${name//\"/}]:-none}\"" ]] ||
        fail "$name was copied for the colour $taken ($*)"
}

# Instant copy with quotes, pound sign and names; only the palette shown beside the colour and
# the finder, so that it lies at a fixed place above the window's bottom.
names_palette() {
    write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004b' '"View"=dword:00000004' \
        '"Palette"=dword:0000001e'
}
names_palette
start_program
place_palette "$window"

# darkcyan: the names palette's column 3, row 3, at (500, 300) twips of the palette.
xdotool mousemove --sync $((palette_x + 33)) $((palette_y + 20))
until_true 5 dropper || fail "the pointer over the palette is not the dropper: $(pointer_image)"
empty=$(pointer_image)
xdotool mousedown 1
until_true 5 clipboard_is '"DARKCYAN"' || fail "a press on darkcyan did not copy its name"
filled=$(pointer_image)
[[ $filled == '32x32+8+22 '* && $filled != "$empty" ]] || fail "the dropper did not fill: $filled"
xdotool mouseup 1
until_true 5 pointer_is "$empty" || fail "the dropper did not empty at the release"
pick $((palette_x + 33)) $((palette_y + 20))
same_cell darkcyan
# Pixel row 9 lies on the line under aliceblue, pixel column 90 left of lavenderblush.
pick $((palette_x + 3)) $((palette_y + 9))
[[ $name == '"ALICEBLUE"' ]] || fail "pixel row 9 copied $name"
same_cell pixel row 9
pick $((palette_x + 90)) $((palette_y + 3))
[[ $name == '"GRAY"' ]] || fail "pixel column 90 copied $name"
same_cell pixel column 90
exit_by_menu "$pid"

# On a scaled screen every screen pixel across the line under aliceblue (pixel row 9 of the
# palette) is picked as one cell.
scaled() { awk "BEGIN { printf \"%d\", $1 * $factor }"; }
for factor in 1.25 1.5 2; do
    names_palette
    QT_SCALE_FACTOR=$factor start_program
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$((X + $(scaled 7))) top=$((Y + HEIGHT - $(scaled 108)))
    for ((y = $(scaled 9) - 2; y <= $(scaled 10) + 1; y++)); do
        pick "$left" $((top + y))
        same_cell "screen row $y at scale factor $factor"
    done
    exit_by_menu "$pid"
done

write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:00000032'
start_program
place_palette "$window"
save_swatch 9
swatch_saved() { [[ $(stored 9) == dword:000066ff ]]; }
until_true 5 swatch_saved || fail "the dragged colour was not saved in swatch 10: $(stored 9)"
# Over the custom palette the pointer is the dropper only where a saved colour can be taken.
xdotool mousemove --sync $((palette_x + 39)) $((palette_y + 18))
until_true 5 dropper || fail "the pointer over a saved swatch is not the dropper"
xdotool mousemove --sync $((palette_x + 39)) $((palette_y + 30))
until_true 5 eval '! dropper' || fail "the pointer over an empty swatch is the dropper"

# Hidden, the palette takes no colour: neither dropped where it was shown, nor when it is hidden
# while the colour is dragged. Value 13, saved once the palette is shown again, tells that both
# drops are over.
xdotool key F7
save_swatch 11
xdotool key F7
xdotool mousemove --sync "$display_x" "$display_y" mousedown 1
xdotool mousemove --sync $((display_x - 20)) $((display_y + 50))
swatch_middle 12
xdotool mousemove --sync "$swatch_x" "$swatch_y"
xdotool key F7
xdotool mouseup 1
xdotool key F7
save_swatch 13
until_true 5 saved 13 || fail "the dragged colour was not saved in swatch 14"
! saved 11 || fail "a drop onto the hidden palette saved swatch 12: $(stored 11)"
! saved 12 || fail "a drop after the palette was hidden saved swatch 13: $(stored 12)"

# Swatch 10 (value 9) dragged out of the window is deleted; the drag starts with a movement inside
# it.
xdotool mousemove --sync $((palette_x + 39)) $((palette_y + 18)) mousedown 1
xdotool mousemove --sync $((palette_x + 41)) $((palette_y + 18))
for step in 1 2 3; do
    xdotool mousemove --sync $((palette_x + 39 - 30 * step)) $((palette_y + 18 + 30 * step))
done
xdotool mouseup 1
until_true 5 eval '! saved 9' || fail "the swatch dragged off the palette is still saved"

exit_by_menu "$pid"
echo "PASS"
