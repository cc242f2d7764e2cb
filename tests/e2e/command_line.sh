#!/bin/bash
# The command line: the help, the version and usage errors without a display, and --pick over the
# screen of a private X server by click, Enter, the arrow keys and Esc, in every format, with the
# settings file and the clipboard left as they were.
program=$1 version=$2
source "$(dirname "$0")/xsession.sh"

# run ARGUMENTS...: the program run to its end without a display; sets status, and its output
# goes to $work/out and $work/err.
run() {
    status=0
    env -u DISPLAY "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
}
run --version
[[ $status == 0 && $(cat "$work/out") == "Tarvo Pigmenta $version" ]] ||
    fail "--version ended with $status, printing $(cat "$work/out" "$work/err")"
run --help
[[ $status == 0 && $(cat "$work/out") == *'--pick'*'--format <form>'*copytext* && ! -s $work/err ]] ||
    fail "--help ended with $status, printing $(cat "$work/out" "$work/err")"
# The manual page agrees with the help: every long option and every example of a format.
help=$(tr -s ' \n' '  ' <"$work/out")
page=$(sed 's/\\//g' "$(dirname "$0")/../../man/pigmenta.1" | tr -s ' \n' '  ')
while read -r text; do
    [[ $page == *"$text"* ]] || fail "the manual page lacks $text"
done < <(grep -oE -- '--[a-z]+|#[0-9a-f]{6}|[a-z]+\([0-9. %]+\)' <<<"$help" | sort -u)
# What cannot be written is no success: a script learns that the text did not arrive.
for arguments in --version --help; do
    status=0
    env -u DISPLAY "$program" "$arguments" >/dev/full 2>"$work/err" || status=$?
    [[ $status == 1 && $(cat "$work/err") == 'pigmenta: '*'No space left on device' ]] ||
        fail "$arguments to a full disk ended with $status, printing $(cat "$work/err")"
done
for arguments in --bogus '--format rgb' '--pick --format xyz' '--pick --format' '--pick extra'; do
    # shellcheck disable=SC2086 # one option a word
    run $arguments
    [[ $status == 2 && ! -s $work/out && $(cat "$work/err") == pigmenta:*'Usage: pigmenta [options]'* ]] ||
        fail "$arguments ended with $status, printing $(cat "$work/out" "$work/err")"
done
# A pick with no display at all says so and ends with 1, as a script can tell, instead of Qt's abort.
WAYLAND_DISPLAY='' QT_QPA_PLATFORM='' run --pick
[[ $status == 1 && ! -s $work/out && $(cat "$work/err") == 'pigmenta: No display to pick from' ]] ||
    fail "--pick without a display ended with $status, printing $(cat "$work/out" "$work/err")"

# Stripes eight pixels wide from the left edge: orange, blue, orange... The pick takes the pixel 3
# right of and 3 below the hot spot, under the reticle's centre.
printf '#define s_width 16\n#define s_height 1\nstatic char s_bits[] = {\n  0xff, 0x00, };\n' \
    >"$work/stripes.xbm"
xsetroot -bitmap "$work/stripes.xbm" -fg '#FF6600' -bg '#3366CC'
printf 'kept' | xclip -selection clipboard 2>/dev/null
# pick_at X Y ARGUMENTS...: `pigmenta --pick ARGUMENTS` with the pointer at X, Y, its overlay
# waited for.
pick_at() {
    # Without --sync, which waits for a move where the pointer already is; the server has made
    # the move once xdotool has closed its connection.
    xdotool mousemove "$1" "$2"
    shift 2
    "$program" --pick "$@" >"$work/out" 2>"$work/err" &
    picker=$!
    pids+=("$picker")
    find_window Finder >/dev/null || fail "no overlay showed for --pick $*"
}

# A click takes the colour under the reticle, with no settings file, which the pick does not make.
pick_at 4 100
xdotool click 1
picked 0 '#ff6600'
[[ -z $(ls -A "$XDG_CONFIG_HOME/Tarvo") ]] || fail "the pick wrote $(ls -A "$XDG_CONFIG_HOME/Tarvo")"

# Each format; copytext as the stored copy options shape it (lower case, pound sign, quotes).
write_settings '"Copy"=dword:0000004e'
before=$(md5sum <"$settings")
for format in 'hex #ff6600' 'rgb rgb(255 102 0)' 'hsl hsl(24 100% 50%)' \
    'oklch oklch(69.58% 0.204 43.49)' 'copytext "#ff6600"'; do
    pick_at 4 100 --format "${format%% *}"
    xdotool click 1
    picked 0 "${format#* }"
done

# Enter takes the colour at the hot spot, which the arrow keys move by one device pixel, ten with
# Shift, also where a logical pixel is two device pixels (the pointer on whole logical pixels).
for factor in 1 2; do
    export QT_SCALE_FACTOR=$factor
    pick_at 4 100
    xdotool key Return
    picked 0 '#ff6600'
    pick_at 4 100
    xdotool key Right Return
    picked 0 '#3366cc'
    # A click where the pointer rests takes the hot spot the keys moved to.
    pick_at 6 100
    xdotool key shift+Right
    xdotool click 1
    picked 0 '#ff6600'
done
unset QT_SCALE_FACTOR

# The pick holds the pointer and the keys: a window that shows above the overlays and takes the
# focus gets neither the arrow key nor the click.
pick_at 4 100
xlogo -geometry 300x300+0+0 &
logo_pid=$!
pids+=("$logo_pid")
logo=$(find_window xlogo) || fail "xlogo did not show"
xdotool windowfocus "$logo" key Right click 1
picked 0 '#3366cc'
stop "$logo_pid"

# A colour picked but not written ends with 1 and says why.
xdotool mousemove 4 100
"$program" --pick >/dev/full 2>"$work/err" &
picker=$!
pids+=("$picker")
find_window Finder >/dev/null || fail "no overlay showed for --pick to a full disk"
xdotool click 1
: >"$work/out"
picked 1 ''
[[ $(cat "$work/err") == 'pigmenta: '*'No space left on device' ]] ||
    fail "a pick to a full disk said $(cat "$work/err")"

# Esc ends without a colour.
pick_at 4 100
xdotool key Escape
picked 1 ''
[[ ! -s $work/err ]] || fail "Esc said $(cat "$work/err")"

# The toolkit's own options reach it, as they did before the program had options of its own.
pick_at 4 100 -platform xcb -style Fusion -reverse
xdotool click 1
picked 0 '#ff6600'
# The display named by -display, not by the environment.
xdotool mousemove 4 100
env -u DISPLAY -u QT_QPA_PLATFORM "$program" --pick -display "$DISPLAY" >"$work/out" 2>"$work/err" &
picker=$!
pids+=("$picker")
find_window Finder >/dev/null || fail "no overlay showed for --pick -display $DISPLAY"
xdotool click 1
picked 0 '#ff6600'

# Where the desktop lets no program read the screen (a Wayland session) and no desktop portal
# answers, there is no way to pick, and the program says so.
status=0
WAYLAND_DISPLAY=none DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus "$program" --pick \
    >"$work/out" 2>"$work/err" || status=$?
[[ $status == 1 && ! -s $work/out && $(cat "$work/err") == *'pigmenta: No screen picker here'* ]] ||
    fail "without a picker --pick ended with $status, printing $(cat "$work/out" "$work/err")"

[[ $(md5sum <"$settings") == "$before" && $(ls -A "$XDG_CONFIG_HOME/Tarvo") == registry.reg ]] ||
    fail "the picks changed the settings folder: $(ls -A "$XDG_CONFIG_HOME/Tarvo")"
clipboard_is kept || fail "the picks changed the clipboard to $(xclip -selection clipboard -o)"
echo "PASS"
