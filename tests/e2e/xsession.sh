# Shared by the end-to-end tests on X11: a private X server and the X clipboard, windows and input,
# besides what session.sh gives. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# new_display NAME: starts a private X server and sets NAME to its display (":N") once it is up.
new_display() {
    local file
    file=$(mktemp -p "$work")
    Xvfb -displayfd 5 -noreset -nolisten tcp -screen 0 1024x768x24 5>"$file" >/dev/null 2>&1 &
    pids+=("$!")
    until_true 10 test -s "$file"
    printf -v "$1" ':%s' "$(head -n1 "$file")"
}
new_display DISPLAY
export DISPLAY

clipboard_is() { [[ $(xclip -selection clipboard -o 2>/dev/null) == "$1" ]]; }

# find_window TITLE: the id of the shown window with exactly that title, waited for.
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }

# place_palette WINDOW: where the palette (palette_x, palette_y) and the colour display
# (display_x, display_y, its upper half) lie on the screen, with only the palette shown beside the
# colour and the finder ("View"=dword:00000004).
place_palette() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    palette_x=$((X + 4))
    palette_y=$((Y + HEIGHT - 108))
    display_x=$((X + 112))
    display_y=$((Y + HEIGHT - 277))
}

# save_swatch INDEX: the current colour dragged from its display onto custom swatch INDEX (0-63;
# eight to a column), as place_palette found them.
save_swatch() {
    xdotool mousemove --sync "$display_x" "$display_y" mousedown 1
    for step in 1 2 3; do
        xdotool mousemove --sync $((display_x - 20 * step)) $((display_y + 50 * step))
    done
    swatch_middle "$1"
    xdotool mousemove --sync "$swatch_x" "$swatch_y"
    xdotool mouseup 1
}

# start_program [COMMAND...]: COMMAND (the program under test when none is given) started in the
# background, its standard error shown and kept in $work/stderr; sets pid, and window once the main
# window shows, focused.
start_program() {
    (($#)) || set -- "$program"
    "$@" 2> >(tee -a "$work/stderr" >&2) &
    pid=$!
    pids+=("$pid")
    window=$(find_window 'Tarvo Pigmenta') || fail "the main window did not show"
    xdotool windowfocus --sync "$window"
}

# exit_by_menu PID: Colour > Exit by its keys, then the program PID is waited for.
exit_by_menu() {
    xdotool key --delay 100 alt+c x
    gone() { ! kill -0 "$1" 2>/dev/null; }
    until_true 10 gone "$1" || fail "Colour > Exit did not end the program"
}

# swatch_middle INDEX: sets swatch_x and swatch_y to the middle of custom swatch INDEX (cells of
# 397 x 181 twips, eight to a column) on the screen, as place_palette found the palette.
swatch_middle() {
    swatch_x=$((palette_x + ($1 / 8 * 397 + 198) / 15))
    swatch_y=$((palette_y + ($1 % 8 * 181 + 90) / 15))
}
