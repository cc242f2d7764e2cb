#!/bin/bash
# The program killed (SIGKILL) while it writes a swatch, again and again: each time it starts
# again, the settings file is whole, with every swatch saved before the kill and everything else
# it held. A large key of another program's makes each write long enough to be caught in the act.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:00000032'
{
    printf '[HKEY_LOCAL_MACHINE\\Software\\Another Program]\r\n'
    awk 'BEGIN { for (i = 0; i < 8000; i++)
                     printf "\"Value %05d\"=\"%0100d\"\r\n", i, i }'
    printf '\r\n'
} >>"$settings"
others=$(grep -ac '^"Value ' "$settings")

# A write holds the lock beside the settings file from its fresh read to its rename.
writing() { ! flock --nonblock "$settings.lock" true; }

swatch=0
caught=0
for round in 1 2 3 4 5; do
    start_program
    place_palette "$window"
    for _ in 1 2; do
        save_swatch "$swatch"
        until_true 10 saved "$swatch" || fail "swatch $swatch was not saved"
        swatch=$((swatch + 1))
    done
    # The next save, and the kill as soon as it writes (or it has landed).
    save_swatch "$swatch"
    deadline=$((SECONDS + 10))
    until writing || saved "$swatch" || ((SECONDS >= deadline)); do :; done
    writing && caught=$((caught + 1))
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true

    head -n1 "$settings" | grep -aq '^Windows Registry Editor Version 5.00' ||
        fail "round $round: the settings file lost its header"
    (($(grep -ac '^"Value ' "$settings") == others)) ||
        fail "round $round: the other program's values were not all kept"
    for ((s = 0; s < swatch; s++)); do
        saved "$s" || fail "round $round: swatch $s, saved before the kill, is gone"
    done
    saved "$swatch" && swatch=$((swatch + 1))
done

# Read back by the program itself: a file it took for damaged would be kept aside at its next
# write.
start_program
place_palette "$window"
save_swatch "$swatch"
until_true 10 saved "$swatch" || fail "swatch $swatch was not saved after the kills"
exit_by_menu "$pid"
[[ -z $(compgen -G "$settings.damaged-*") ]] || fail "the file was taken for damaged: $(cat "$work/stderr")"
left=$(ls "$(dirname "$settings")")
[[ $left == $'registry.reg\nregistry.reg.lock' ]] || fail "the kills left files behind: $left"
echo "PASS ($caught of 5 kills while a write was under way, $((swatch + 1)) swatches)"
