#!/bin/bash
# Another copy of the program stopped while it holds the settings file's lock (a holder that
# never lets go stands for it) holds this one up no more than a moment at each save: the window
# shows, a swatch saved shows in the palette at once and lands in the file with the first save
# after the lock is let go, and an exit while the lock is held names what was not stored and ends.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:00000032'

# The folder and the lock file locked, as a writer locks them, by a process that sleeps.
lock_held() { ! flock -n "$settings.lock" true; }
hold_lock() {
    (
        exec 8<"$(dirname "$settings")" 9>>"$settings.lock"
        flock 8
        flock 9
        exec sleep 600
    ) &
    holder=$!
    pids+=("$holder")
    until_true 5 lock_held || fail "the lock could not be taken"
}
# pixel X Y: the colour of the screen pixel (X, Y) as "#RRGGBB".
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
# swatch_shown INDEX: custom swatch INDEX shows the current colour.
swatch_shown() {
    swatch_middle "$1"
    [[ $(pixel "$swatch_x" "$swatch_y") == $(pixel "$display_x" "$display_y") ]]
}

hold_lock
start=$SECONDS
start_program
((SECONDS - start <= 5)) || fail "the main window took $((SECONDS - start)) s to show"
place_palette "$window"
! swatch_shown 3 || fail "swatch 3 shows the current colour before it is saved"
save_swatch 3
until_true 5 swatch_shown 3 || fail "swatch 3 kept back by the lock is not shown"
! saved 3 || fail "swatch 3 was written while another held the lock"

stop "$holder"
save_swatch 4
until_true 5 saved 4 || fail "swatch 4 was not saved once the lock was let go"
saved 3 || fail "swatch 3 kept back was not written with the next save"

hold_lock
save_swatch 5
until_true 5 swatch_shown 5 || fail "swatch 5 kept back by the lock is not shown"
start=$SECONDS
exit_by_menu "$pid"
((SECONDS - start <= 5)) || fail "the exit took $((SECONDS - start)) s"
grep -q 'not stored:.*Colours\\5\b' "$work/stderr" || fail "the exit did not name swatch 5 as not stored"
! saved 5 || fail "swatch 5 was written while another held the lock"
echo "PASS"
