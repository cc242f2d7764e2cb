#!/bin/bash
# The start-up picture shows for about four seconds and closes, also when the program starts two
# seconds before midnight.
program=$1
source "$(dirname "$0")/xsession.sh"

# faketime runs the program as a child, so its windows are found by class, not by process.
windows() { xdotool search --onlyvisible --classname "^pigmenta$" 2>/dev/null | wc -l; }
write_settings '"Splash"=dword:ffffffff'
for start in now "$(date +%F) 23:59:58"; do
    if [[ $start == now ]]; then
        "$program" &
    else
        faketime "$start" "$program" &
    fi
    pid=$!
    pids+=("$pid")
    two_windows() { (($(windows) == 2)); }
    one_window() { (($(windows) == 1)); }
    until_true 10 two_windows || fail "no start-up picture beside the main window ($start)"
    shown=$SECONDS
    until_true 10 one_window || fail "the start-up picture stayed ($start)"
    ((SECONDS - shown >= 2)) || fail "the start-up picture closed too early ($start)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "PASS"
