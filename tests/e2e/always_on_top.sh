#!/bin/bash
# Always On Top under a real window manager: the stored switch puts the window above the others
# from the start, and Options > Always On Top (F4) takes it down and up again at once.
program=$1
source "$(dirname "$0")/xsession.sh"

# Openbox runs its start-up command once it manages windows; a window mapped before that (its
# check window is up sooner) can be left unmapped for good.
openbox --sm-disable --startup "touch $work/openbox-ready" &
pids+=("$!")
has_window_manager() { [[ -e $work/openbox-ready ]]; }
until_true 10 has_window_manager || fail "the window manager did not start"

write_settings '"Splash"=dword:00000000' '"Always On Top"=dword:ffffffff'
"$program" &
pid=$!
pids+=("$pid")
window=$(find_window 'Tarvo Pigmenta') ||
    fail "the window did not show"
above() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
until_true 5 above || fail "the window is not above the others at the start"

xdotool windowactivate --sync "$window"
xdotool key F4
until_true 5 not_above || fail "Always On Top off left the window above the others"
xdotool key F4
until_true 5 above || fail "Always On Top on did not put the window above the others"

exit_by_menu "$pid"
[[ $(stored 'Always On Top') == dword:ffffffff ]] ||
    fail "Always On Top stored as $(stored 'Always On Top')"
echo "PASS"
