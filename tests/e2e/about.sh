#!/bin/bash
# The About window as a person uses it, opened with Help > About by its keys (once, however often
# it is chosen): Tab keeps to Close, which Space, Enter and Esc all close it with; the link turns
# green under the pointer and stays so over the picture, where a double-click swaps the picture, and
# turns blue over the bare window; a click on it hands the address to the desktop's opener.
program=$1
source "$(dirname "$0")/xsession.sh"

mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" >"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
write_settings '"Splash"=dword:00000000'
PATH=$work/bin:$PATH start_program

# open_about: Help > About by its keys; sets about, and X and Y, its place.
open_about() {
    xdotool windowfocus --sync "$window"
    xdotool key --delay 100 alt+h a
    about=$(find_window 'About Tarvo Pigmenta R4') || fail "Help > About did not open the window"
    xdotool windowfocus --sync "$about"
    eval "$(xdotool getwindowgeometry --shell "$about")"
}
is_closed() { ! xdotool search --onlyvisible --name '^About Tarvo Pigmenta R4$' >/dev/null; }
# close_by KEYS...: the keys close the window.
close_by() {
    open_about
    xdotool key --delay 50 "$@"
    until_true 5 is_closed || fail "$* did not close the About window"
}
close_by Tab Tab space
close_by Escape
close_by Return

open_about
xdotool windowfocus --sync "$window"
xdotool key --delay 100 alt+h a
about_focused() { [[ $(xdotool getwindowfocus) == "$about" ]]; }
until_true 5 about_focused || fail "Help > About did not bring the window forward"
(($(xdotool search --onlyvisible --name '^About Tarvo Pigmenta R4$' | wc -l) == 1)) ||
    fail "Help > About opened a second window"

# shot W H LEFT TOP: that part of the window, as text pixels.
shot() { import -window root -crop "$1x$2+$((X + $3))+$((Y + $4))" -depth 8 txt:-; }
# The link: its first blue pixel, in the texts right of the picture.
read -r link_x link_y < <(
    shot 200 100 80 60 | awk -F'[,:]' '/#0000FF / { print $1 + 80, $2 + 60; exit }'
)
[[ -n $link_x ]] || fail "no blue link in the window"
link_shows() { [[ $(shot 200 100 80 60) == *"#$1 "* ]]; }
xdotool mousemove --sync $((X + link_x)) $((Y + link_y))
until_true 5 link_shows 009900 || fail "the link is not green under the pointer"

# From the link onto the picture, and a double-click there: the picture swaps, the link stays
# green.
picture=$(shot 60 180 10 12)
xdotool mousemove --sync $((X + 40)) $((Y + 100)) click --repeat 2 --delay 80 1
swapped() { [[ $(shot 60 180 10 12) != "$picture" ]]; }
until_true 5 swapped || fail "a double-click did not swap the picture"
link_shows 009900 || fail "the link turned from green over the picture"
xdotool mousemove --sync $((X + 4)) $((Y + 100))
until_true 5 link_shows 0000FF || fail "the link is not blue over the bare window"

xdotool mousemove --sync $((X + link_x)) $((Y + link_y)) click 1
opened() { [[ -s $work/opened ]]; }
until_true 10 opened || fail "the link opened nothing"
[[ $(cat "$work/opened") == https://pigmenta.example.org/ ]] ||
    fail "the link opened $(cat "$work/opened")"

xdotool windowfocus --sync "$window"
exit_by_menu "$pid"
echo "PASS"
