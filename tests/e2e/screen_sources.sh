#!/bin/bash
# The desktop's screen sources on a real X server: at each scale factor on one screen, then on
# two screens of different scale with a gap below the smaller one.
test_program=$1
source "$(dirname "$0")/xsession.sh"

export ROOT_COLOUR='#204060'
xsetroot -solid "$ROOT_COLOUR"
for factor in 1 1.25 1.5 2; do
    echo "scale factor $factor"
    QT_SCALE_FACTOR=$factor "$test_program" || fail "at scale factor $factor"
done

xrandr --setmonitor left 600/160x500/130+0+0 screen >/dev/null
xrandr --setmonitor right 424/110x768/200+600+0 none >/dev/null
echo "two screens"
QT_SCREEN_SCALE_FACTORS='left=1.25;right=2' "$test_program" || fail "on two screens"
echo "PASS"
