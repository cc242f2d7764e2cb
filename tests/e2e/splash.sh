#!/bin/bash
# The start-up picture shows for about four seconds and closes, also when the program starts two
# seconds before midnight; a key on it or a click on it closes it at once, the main window staying.
program=$1
source "$(dirname "$0")/xsession.sh"

# faketime runs the program as its child, so the windows are found by class, not by process.
windows() { xdotool search --onlyvisible --classname "^pigmenta$" 2>/dev/null | wc -l; }
two_windows() { (($(windows) == 2)); }
one_window() { (($(windows) == 1)); }
write_settings '"Splash"=dword:ffffffff'
for start in now "$(date +%F) 23:59:58"; do
    if [[ $start == now ]]; then
        "$program" &
    else
        # A sanitizer build wants its runtime first; the clock library comes first here.
        ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 faketime "$start" "$program" &
    fi
    pid=$!
    pids+=("$pid")
    until_true 30 two_windows || fail "no start-up picture beside the main window ($start)"
    shown=$(date +%s%3N)
    until_true 10 one_window || fail "the start-up picture stayed ($start)"
    took=$(($(date +%s%3N) - shown))
    ((took >= 3000 && took <= 6000)) ||
        fail "the start-up picture stayed $took ms, not about four seconds ($start)"
    stop "$pid"
done

# The picture: the program's splash window.
splash() {
    local id
    for id in $(xdotool search --onlyvisible --classname "^pigmenta$"); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_SPLASH && echo "$id"
    done
    return 0
}
# As large as its picture, on top, centred on the 1024 x 768 screen in whole twips:
# 15360 \ 2 - 5025 \ 2 = 5168 twips (344 pixels) across, 11520 \ 2 - 2025 \ 2 = 4748 (316) down.
for way in key click; do
    "$program" &
    pid=$!
    pids+=("$pid")
    until_true 30 two_windows || fail "no start-up picture beside the main window ($way)"
    shown=$(date +%s%3N)
    id=$(splash)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ "$X,$Y,$WIDTH,$HEIGHT" == 344,316,335,135 ]] ||
        fail "the start-up picture is $WIDTH x $HEIGHT at $X,$Y"
    xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the start-up picture is not on top"
    if [[ $way == key ]]; then
        xdotool windowfocus --sync "$id"
        xdotool key space
    else
        xdotool mousemove --sync $((X + 100)) $((Y + 50)) click 1
    fi
    until_true 10 one_window || fail "a $way did not close the start-up picture"
    took=$(($(date +%s%3N) - shown))
    ((took < 3000)) || fail "the start-up picture closed $took ms after it showed, not at the $way"
    [[ -z $(splash) ]] || fail "the $way closed the main window, not the start-up picture"
    stop "$pid"
done
echo "PASS"
