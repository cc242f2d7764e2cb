#!/bin/bash
# Two copies of the program share one settings file, each on an X server of its own, and save
# swatches at the same time: every swatch either saved is in the file, also after both have ended
# and stored their other settings.
program=$1
source "$(dirname "$0")/xsession.sh"

write_settings '"Splash"=dword:00000000' '"View"=dword:00000004' '"Palette"=dword:00000032'
first=$DISPLAY
new_display second

declare -A copy
for display in "$first" "$second"; do
    DISPLAY=$display "$program" &
    copy[$display]=$!
    pids+=("$!")
done

# save_swatches FROM TO: swatches FROM to TO saved one by one by the copy on this DISPLAY.
save_swatches() {
    place_palette "$(find_window 'Tarvo Pigmenta')"
    for ((s = $1; s <= $2; s++)); do
        save_swatch "$s"
        until_true 10 saved "$s" || fail "$DISPLAY: swatch $s was not saved"
    done
}
DISPLAY=$first save_swatches 0 15 &
one=$!
DISPLAY=$second save_swatches 16 31 &
two=$!
wait "$one" || fail "the first copy did not save its swatches"
wait "$two" || fail "the second copy did not save its swatches"

for display in "$first" "$second"; do
    DISPLAY=$display exit_by_menu "${copy[$display]}"
done
for ((s = 0; s < 32; s++)); do
    saved "$s" || fail "swatch $s is gone"
done
echo "PASS"
