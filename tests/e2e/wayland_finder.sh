#!/bin/bash
# The finder on a Wayland desktop, which lets no program read the screen: a click on the finder
# icon takes one screenshot through the desktop portal and the pick goes on over it, on two
# outputs at scale factors 1 and 2. Each output shows a picture whose pixels hold their own place
# (red the device column, green the device row, modulo 256; blue tells the output), so that the
# copied colour says which device pixel was taken: the one 3 right of and 3 below the hot spot.
program=$1 wlinput=$2
desktop_size=800x600
source "$(dirname "$0")/wsession.sh"

add_output second 800x600 2 800 0
# At the end of a pick the program asks for the focus back for its main window; sway's default
# only marks such a window urgent, where GNOME and KDE give it the focus, as this desktop does.
swaymsg focus_on_window_activation focus >/dev/null
for blue in 11 22; do
    python3 -c '
import sys
blue = int(sys.argv[1], 16)
sys.stdout.buffer.write(b"P6 800 600 255\n" + bytes(
    v for y in range(600) for x in range(800) for v in (x % 256, y % 256, blue)))' "$blue" |
        convert ppm:- "$work/places-$blue.png"
done
set_background "$work/places-11.png"
swaymsg "output $second bg $work/places-22.png fill" >/dev/null
until_true 5 pixel_is 800 0 000022 || fail "the second output's picture did not show"

# Instant copy with quotes and pound sign; toolbar, status bar and palette hidden, so that the
# finder icon lies at a fixed place above the window's bottom edge.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004b' '"View"=dword:00000000'
start_program
overlay_shown() { window_geometry Finder; }
overlay_gone() { ! window_geometry Finder; }
# pick_from_icon: a click on the finder icon, then the overlay waited for.
icon_x=$((X + 51)) icon_y=$((Y + HEIGHT - 49))
pick_from_icon() {
    pointer_click "$icon_x" "$icon_y"
    until_true 10 overlay_shown || fail "no overlay showed the screenshot"
}
# ends_pick: the overlay gone and the main window focused again.
ends_pick() {
    until_true 5 overlay_gone || fail "the overlay stayed"
    until_true 5 window_focused 'Tarvo Pigmenta' || fail "the main window did not take the focus"
}

# On the output at scale 1 the magnified view beside the pointer (24 pixels right of and below
# it, within a 4-pixel margin; 43 more to its middle) shows the pixel to be taken, and a click
# takes it and copies it.
clipboard_set none
pick_from_icon
pointer_move 100 100
until_true 5 pixel_is 171 171 676711 || fail "the view shows $(pixel_at 171 171), not 676711"
pointer_press
pointer_release
until_true 5 clipboard_is '"#676711"' || fail "the click copied $(wl-paste -n), not 676711"
ends_pick
wl_key ctrl+z ctrl+Insert
until_true 5 clipboard_is '"#FF6600"' || fail "undo did not bring back the colour before the pick"

# On the output at scale 2, logical (850, 100) is device pixel (900, 200). The arrow keys move
# the hot spot by one device pixel, ten with Shift, and a click where the pointer rests takes
# the pixel they moved to.
pick_from_icon
pointer_move 850 100
until_true 5 pixel_is 921 171 67CB22 || fail "the view shows $(pixel_at 921 171), not 67CB22"
wl_key Right shift+Down
pointer_press
pointer_release
until_true 5 clipboard_is '"#68D522"' || fail "the keys and click copied $(wl-paste -n)"
ends_pick

# Esc ends the pick without a colour: nothing is copied and the colour before stays current.
clipboard_set none
pick_from_icon
pointer_move 300 100
wl_key Escape
ends_pick
clipboard_is none || fail "Esc copied $(wl-paste -n)"
wl_key ctrl+Insert
until_true 5 clipboard_is '"#68D522"' || fail "Esc changed the current colour"
# Enter takes the colour at the hot spot.
pick_from_icon
pointer_move 600 500
wl_key Return
until_true 5 clipboard_is '"#5BF711"' || fail "Enter copied $(wl-paste -n)"
ends_pick

exit_by_menu "$pid"
[[ $(stored 'True Colour') == dword:0011f75b ]] ||
    fail "True Colour stored as $(stored 'True Colour')"
echo "PASS"
