# Shared by the end-to-end tests on Wayland: a headless compositor (sway) of the test's own with
# the desktop portals behind it on a private D-Bus, a virtual pointer and keyboard (wlinput),
# the Wayland clipboard and screenshots, besides what session.sh gives. Sourced, not run, after
# program=$1 and wlinput=$2 (the input client, empty where it was not built). The first output
# is desktop_size (default 1024x768) at the scale factor desktop_scale (default 1), when set
# before. Places X, Y are the output layout's, in logical pixels: on an output at scale 2 each is
# two device pixels across. Exits with 77, which the test runner counts as skipped, where sway
# cannot run.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

skip() {
    echo "SKIP: $*" >&2
    exit 77
}
[[ -n ${wlinput:-} && -x $wlinput ]] ||
    skip "the input client was not built: the Wayland development packages were missing"
# sway will not run as root; a user namespace that maps root to another user lets it, and the
# clients outside it still reach its socket.
as_user=()
if ((EUID == 0)); then
    unshare --user --map-user=1000 --map-group=1000 true 2>/dev/null ||
        skip "sway does not run as root, and this system makes no user namespace to run it in"
    as_user=(unshare --user --map-user=1000 --map-group=1000)
fi

unset DISPLAY WAYLAND_DISPLAY
# In a sanitizer build the leak check stays off here: at exit, Qt's Wayland plugin leaves the
# protocol objects it made and the sanitizer runtime its own buffers, and their stacks, cut short
# at the system libraries, cannot be told from the program's. The same code is leak-checked on X11
# and in the unit tests; memory errors and undefined behaviour are still caught here.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
export QT_QPA_PLATFORM=wayland XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
export XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state SWAYSOCK=$XDG_RUNTIME_DIR/sway.sock
# Nothing asks for the accessibility bus, which is not there.
export NO_AT_BRIDGE=1
# The compositor draws the pointer into every frame, so that a screenshot or a pick under it would
# read the arrow: every pointer image the compositor, the program and the picker ask for is a
# transparent one.
export XCURSOR_PATH=$work/icons XCURSOR_THEME=blank XCURSOR_SIZE=24
mkdir -p "$work/logs" "$XCURSOR_PATH/$XCURSOR_THEME/cursors"
convert -size 24x24 xc:none "png32:$work/blank.png"
echo "24 0 0 $work/blank.png" | xcursorgen - "$XCURSOR_PATH/$XCURSOR_THEME/cursors/default"
for name in left_ptr top_left_arrow left_arrow up_arrow cross crosshair tcross wait watch \
    progress left_ptr_watch half-busy ibeam text xterm size_ver ns-resize v_double_arrow \
    size_hor ew-resize h_double_arrow size_bdiag nesw-resize size_fdiag nwse-resize size_all \
    all-scroll split_v row-resize sb_v_double_arrow split_h col-resize sb_h_double_arrow \
    pointing_hand pointer hand1 hand2 forbidden not-allowed crossed_circle circle whats_this \
    help question_arrow dnd-move move dnd-copy copy dnd-link link dnd-none openhand grab \
    closedhand grabbing fleur; do
    ln -s default "$XCURSOR_PATH/$XCURSOR_THEME/cursors/$name"
done

# The daemons' messages go to logs, shown when a test fails.
show_logs() {
    local log
    for log in "$work"/logs/*; do
        if [[ -s $log ]]; then
            echo "--- ${log##*/}:"
            tail -n 10 "$log"
        fi
    done >&2
}
trap 'status=$?; ((status == 0 || status == 77)) || show_logs; cleanup' EXIT
# daemon NAME COMMAND...: COMMAND started in the background, its output in the log NAME.
daemon() {
    local name=$1
    shift
    "$@" >"$work/logs/$name" 2>&1 &
    pids+=("$!")
}

# Windows have no borders or title bars, so that a window's place is its contents' place, and
# only a click or a command moves the focus. The background's red is no white space character:
# the wlroots portal's pick reads the picked pixel after a header whose white space it skips.
cat >"$work/sway.config" <<EOF
xwayland disable
output * bg #336699 solid_color
output HEADLESS-1 mode ${desktop_size:-1024x768} position 0 0 scale ${desktop_scale:-1}
seat * xcursor_theme $XCURSOR_THEME $XCURSOR_SIZE
default_border none
default_floating_border none
focus_follows_mouse no
EOF
daemon sway env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    "${as_user[@]}" sway -c "$work/sway.config"

# A session bus that starts nothing by itself: the daemons below are all the services on it.
cat >"$work/bus.config" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
daemon bus dbus-daemon --nofork --config-file="$work/bus.config" --print-address=3 \
    3>"$work/bus.address"
until_true 10 test -s "$work/bus.address" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS
owned() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}
# The wlroots portal offers nothing without PipeWire.
daemon pipewire pipewire

has_compositor() {
    local socket
    for socket in "$XDG_RUNTIME_DIR"/wayland-*; do
        [[ -S $socket ]] && WAYLAND_DISPLAY=${socket##*/}
    done
    [[ -n ${WAYLAND_DISPLAY:-} ]] && swaymsg -t get_version >/dev/null 2>&1
}
until_true 10 has_compositor || fail "sway did not start"
export WAYLAND_DISPLAY
until_true 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || fail "PipeWire did not start"
# The front end shows the Screenshot interface only when some back end offers Access, which the
# GTK one does, and it looks for the back ends only when it starts. It needs no permission store
# for a program that runs outside a sandbox.
daemon portal-wlr /usr/libexec/xdg-desktop-portal-wlr
daemon portal-gtk /usr/libexec/xdg-desktop-portal-gtk
for name in impl.portal.desktop.wlr impl.portal.desktop.gtk; do
    until_true 10 owned "org.freedesktop.$name" || fail "org.freedesktop.$name did not start"
done
daemon portal /usr/libexec/xdg-desktop-portal
until_true 10 owned org.freedesktop.portal.Desktop || fail "the desktop portal did not start"

# wl_input COMMAND...: one command to the input client (see wlinput.c), returning once the
# compositor has taken it.
mkfifo "$work/wlinput.in" "$work/wlinput.out"
"$wlinput" <"$work/wlinput.in" >"$work/wlinput.out" 2>"$work/logs/wlinput" &
pids+=("$!")
exec {wlinput_to}<>"$work/wlinput.in" {wlinput_from}<>"$work/wlinput.out"
wl_input() {
    local reply
    echo "$*" >&"$wlinput_to"
    read -r -t 10 -u "$wlinput_from" reply && [[ $reply == ok ]] ||
        fail "the input client did not take: $*"
}

# The output layout's box, which the pointer's absolute moves span; read again when it changes.
layout_box() {
    read -r layout_x layout_y layout_width layout_height < <(swaymsg -t get_outputs -r |
        python3 -c '
import json, sys
rects = [output["rect"] for output in json.load(sys.stdin) if output["active"]]
left = min(r["x"] for r in rects)
top = min(r["y"] for r in rects)
print(left, top, max(r["x"] + r["width"] for r in rects) - left,
      max(r["y"] + r["height"] for r in rects) - top)')
    wl_input extent "$layout_width" "$layout_height"
}
layout_box

# pointer_move X Y: the pointer to X, Y.
pointer_move() { wl_input move $(($1 - layout_x)) $(($2 - layout_y)); }
# pointer_press [BUTTON], pointer_release [BUTTON]: a button (left, right, middle; left when none
# is given) pressed or released where the pointer is.
pointer_press() { wl_input press "${1:-left}"; }
pointer_release() { wl_input release "${1:-left}"; }
# pointer_click X Y [BUTTON]: the pointer to X, Y and a button pressed and released there.
pointer_click() {
    pointer_move "$1" "$2"
    pointer_press "${3:-left}"
    pointer_release "${3:-left}"
}
# wl_key KEYS...: each of KEYS pressed in turn, a combination such as ctrl+Insert or alt+c held
# together (key names as XKB's keysyms, modifiers ctrl, shift, alt, super).
wl_key() {
    local keys
    for keys; do wl_input key "$keys"; done
}
# wl_keydown KEY, wl_keyup KEY: one key held down or let go, to hold Shift over a drag.
wl_keydown() { wl_input keydown "$1"; }
wl_keyup() { wl_input keyup "$1"; }
# wl_type TEXT: TEXT typed, Shift held for the characters that need it.
wl_type() { wl_input type "$1"; }

clipboard_is() { [[ $(wl-paste --no-newline 2>/dev/null) == "$1" ]]; }
# clipboard_set TEXT: TEXT on the clipboard, as another program would put it there.
clipboard_set() {
    printf '%s' "$1" | wl-copy
    until_true 5 clipboard_is "$1" || fail "$1 did not reach the clipboard"
}

# window_geometry TITLE: X, Y, WIDTH and HEIGHT of the shown window with exactly that title, and
# FOCUSED 1 when it has the keyboard focus, else 0; fails when no such window shows.
window_geometry() {
    local found
    found=$(swaymsg -t get_tree -r | python3 -c '
import json, sys
def windows(node):
    yield node
    for child in node["nodes"] + node["floating_nodes"]:
        yield from windows(child)
for node in windows(json.load(sys.stdin)):
    if node.get("pid") and node.get("visible") and node["name"] == sys.argv[1]:
        rect = node["rect"]
        print(rect["x"], rect["y"], rect["width"], rect["height"], int(node["focused"]))
        break
' "$1")
    [[ -n $found ]] && read -r X Y WIDTH HEIGHT FOCUSED <<<"$found"
}
window_focused() { window_geometry "$1" && ((FOCUSED)); }
# focus_window TITLE: the keyboard focus given to the window with exactly that title.
focus_window() {
    swaymsg "[title=\"^$1\$\"] focus" >/dev/null
    until_true 5 window_focused "$1" || fail "$1 did not take the focus"
}

# start_program [COMMAND...]: COMMAND (the program under test when none is given) started in the
# background, its standard error shown and kept in $work/stderr; sets pid once the main window
# shows with the focus, and its place X, Y, WIDTH, HEIGHT.
start_program() {
    (($#)) || set -- "$program"
    "$@" 2> >(tee -a "$work/stderr" >&2) &
    pid=$!
    pids+=("$pid")
    until_true 10 window_focused 'Tarvo Pigmenta' || fail "the main window did not show"
}

# exit_by_menu PID: Colour > Exit by its keys, then the program PID is waited for.
exit_by_menu() {
    wl_key alt+c x
    gone() { ! kill -0 "$1" 2>/dev/null; }
    until_true 10 gone "$1" || fail "Colour > Exit did not end the program"
}

# pixel_at X Y: the colour the outputs show at X, Y as RRGGBB (on an output scaled up, the device
# pixel at the top left of that place).
pixel_at() {
    grim -g "$1,$2 1x1" -t ppm - | {
        local magic size depth
        read -r magic && read -r size && read -r depth
        od -An -tx1 -N3 | tr -d ' \n' | tr a-f A-F
    }
}
pixel_is() { [[ $(pixel_at "$1" "$2") == "$3" ]]; }
# screenshot FILE [X Y WIDTH HEIGHT]: what the outputs show, or that part of it, as a PNG picture.
screenshot() {
    if (($# == 5)); then grim -g "$2,$3 $4x$5" "$1"; else grim "$1"; fi
}

# set_background FILE: every output's background the picture FILE, filling the output (the
# picture as large as an output in device pixels shows unscaled), once the layout's top left
# corner shows the picture's. The corner shows another colour first, so that the old background
# cannot pass for the new one.
set_background() {
    local corner other
    corner=$(convert "$1[1x1+0+0]" -depth 8 rgb:- | od -An -tx1 | tr -d ' \n' | tr a-f A-F)
    printf -v other '%06X' $((0xFFFFFF ^ 0x$corner))
    swaymsg "output * bg #$other solid_color" >/dev/null
    until_true 5 pixel_is "$layout_x" "$layout_y" "$other" || fail "the background did not change"
    swaymsg "output * bg $1 fill" >/dev/null
    until_true 5 pixel_is "$layout_x" "$layout_y" "$corner" || fail "$1 did not show"
}

output_names() {
    swaymsg -t get_outputs -r |
        python3 -c 'import json, sys; print(*sorted(o["name"] for o in json.load(sys.stdin)))'
}
# add_output NAME WIDTHxHEIGHT SCALE X Y: one more output of that size in device pixels and that
# scale factor, its top left corner at X, Y of the layout; sets NAME to its name (HEADLESS-2).
add_output() {
    local before name
    before=" $(output_names) "
    swaymsg create_output >/dev/null
    for name in $(output_names); do
        [[ $before == *" $name "* ]] || break
    done
    [[ $before != *" $name "* ]] || fail "no output was made"
    swaymsg "output $name mode $2 scale $3 position $4 $5" >/dev/null
    printf -v "$1" '%s' "$name"
    layout_box
}
