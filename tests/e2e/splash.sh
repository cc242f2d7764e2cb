#!/bin/bash
# The start-up picture shows for about four seconds and closes, also when the program starts two
# seconds before midnight.
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
echo "PASS"
