#!/bin/bash
# The main window on a Wayland desktop: it shows with the current colour drawn, Ctrl+Insert puts
# the copy text on the Wayland clipboard, Always On Top, which the desktop does not offer, says
# so, and Colour > Exit stores the switches but keeps the stored place, which Wayland does not
# tell a window.
program=$1 wlinput=$2
desktop_size=800x600
source "$(dirname "$0")/wsession.sh"

write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a' '"View"=dword:00000007'
printf '[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Position]\r\n' >>"$settings"
printf '"Left"=dword:000005dc\r\n"Top"=dword:000008ca\r\n\r\n' >>"$settings"
start_program

# The colour display's upper band shows the true colour, its lower band the safe colour.
until_true 5 pixel_is $((X + 30)) $((Y + 80)) FF6600 ||
    fail "the true colour shows as $(pixel_at $((X + 30)) $((Y + 80)))"
pixel_is $((X + 30)) $((Y + 140)) FF6600 ||
    fail "the safe colour shows as $(pixel_at $((X + 30)) $((Y + 140)))"

# Status panel 1, the messages, as it shows now.
panel_picture() { screenshot - "$X" $((Y + HEIGHT - 18)) 140 16 | md5sum; }
panel_is_not() { [[ $(panel_picture) != "$1" ]]; }
before=$(panel_picture)
clipboard_set none
wl_key ctrl+Insert
until_true 5 clipboard_is '"#FF6600"' ||
    fail "Ctrl+Insert did not copy: $(wl-paste --no-newline 2>&1)"
until_true 5 panel_is_not "$before" || fail "Ctrl+Insert said nothing"
before=$(panel_picture)
wl_key F4
until_true 5 panel_is_not "$before" || fail "Always On Top did not say that it does nothing here"

exit_by_menu "$pid"
[[ $(stored 'Always On Top') == dword:ffffffff ]] ||
    fail "Always On Top stored as $(stored 'Always On Top')"
[[ $(stored View) == dword:00000007 ]] || fail "View stored as $(stored View)"
[[ $(stored Palette) == dword:0000000a ]] || fail "Palette stored as $(stored Palette)"
[[ $(stored 'True Colour') == dword:000066ff ]] ||
    fail "True Colour stored as $(stored 'True Colour')"
[[ $(stored Left),$(stored Top) == dword:000005dc,dword:000008ca ]] ||
    fail "the place stored before became $(stored Left),$(stored Top)"
echo "PASS"
