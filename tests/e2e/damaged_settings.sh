#!/bin/bash
# A settings file of garbage, too large for any settings file and small enough to be read: the
# program starts at once with its defaults, keeps the damaged file aside whole, says where on
# standard error, and stores its settings in a new file.
program=$1
source "$(dirname "$0")/xsession.sh"

for size in 50M 3M; do
    rm -f "$settings"*
    head -c "$size" /dev/urandom >"$work/garbage"
    cp "$work/garbage" "$settings"
    : >"$work/stderr"
    started=$(date +%s%N)
    start_program
    echo "$size of garbage: the window showed after $((($(date +%s%N) - started) / 1000000)) ms"
    exit_by_menu "$pid"

    aside=$(compgen -G "$settings.damaged-*") || fail "$size: the damaged file was not kept aside"
    cmp -s "$aside" "$work/garbage" || fail "$size: the file kept aside is not the damaged file"
    [[ $(grep -c "damaged" "$work/stderr") == 1 ]] && grep -qF "it is kept as $aside" "$work/stderr" ||
        fail "$size: not one line saying where it is kept: $(cat "$work/stderr")"
    head -n1 "$settings" | grep -aq '^Windows Registry Editor Version 5.00' ||
        fail "$size: no new settings file"
    [[ $(stored Palette) == dword:0000000a ]] || fail "$size: the palette is not the default one"
done
# A writer killed before its rename leaves its new file beside the settings file, named with six
# letters of both cases; the next save removes it, and nothing else beside the file, not a copy a
# person named in one case.
rm -f "$settings"*
write_settings '"Splash"=dword:00000000'
for name in AbCdEf xYZzyQ backup QWERTY lock bak1 AbCdE1 damaged-20260101-120000; do
    echo "$name" >"$settings.$name"
done
start_program
exit_by_menu "$pid"
left=$(cd "$(dirname "$settings")" && LC_ALL=C && echo registry.reg.*)
[[ $left == "registry.reg.AbCdE1 registry.reg.QWERTY registry.reg.backup registry.reg.bak1 registry.reg.damaged-20260101-120000 registry.reg.lock" ]] ||
    fail "not the strays alone removed: $left"

echo "PASS"
