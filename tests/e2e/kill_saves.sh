#!/bin/bash
# kill_saves.sh STORE_WRITER [KILLS]: a writer that saves swatch after swatch is killed (SIGKILL)
# at KILLS random moments (50 when not given), and then once at each system call of one save.
# After every kill the settings file reads back whole, it is the file before the save or the one
# after it, it holds every swatch whose save had returned, and once the next save has run nothing
# but the lock file is left beside it. Ends with the figures.
set -euo pipefail
writer=$1
kills=${2:-50}

# A kill between the temporary file's creation and its rename leaves the temporary behind. Until
# the next save clears such leftovers they are only counted; with 1 here (or in the environment)
# one left after a save fails the test.
strays_fail=${KILL_SAVES_STRAYS_FAIL:-0}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/Tarvo
mkdir "$dir"
settings=$dir/registry.reg
# LeakSanitizer cannot look for leaks in a process strace follows.
traced() { ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 strace "$@"; }

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

torn=0 lost=0 strays=0
# check NEXT: the file holds swatches 0..NEXT-1, each with its colour, and at most swatch NEXT
# besides, whose save was cut short.
check() {
    local status=0
    if ! "$writer" --check "$settings" >"$work/held"; then
        torn=$((torn + 1))
        echo "torn: the file does not read back whole" >&2
        return
    fi
    awk -v next_=$1 '$2 != 1000 + $1 || $1 > next_ { never = 1 } $1 < next_ { kept++ }
                     END { exit never ? 3 : kept == next_ ? 0 : 2 }' "$work/held" || status=$?
    case $status in
    0) ;;
    2) lost=$((lost + 1)) && echo "lost: of swatches 0..$(($1 - 1)), saved, the file keeps $(wc -l <"$work/held")" >&2 ;;
    *) torn=$((torn + 1)) && echo "torn: the file holds swatches never saved" >&2 ;;
    esac
}

# left_beside: after a save that ran whole, whatever lies beside the file but the lock.
left_beside() {
    local name left=0
    for name in "$dir"/* "$dir"/.*; do
        case ${name##*/} in
        . | .. | registry.reg | registry.reg.lock | '*' | '.*') ;;
        *)
            left=$((left + 1))
            echo "left beside the file: ${name##*/}"
            rm -f "$name"
            ;;
        esac
    done
    strays=$((strays + left))
    ((left == 0 || strays_fail == 0)) || fail "a save left $left files beside the settings file"
}

# saves FIRST COUNT: runs the writer to the end.
saves() {
    "$writer" "$settings" "$1" "$2" >"$work/saved" || fail "the writer failed: status $?"
    (($(wc -l <"$work/saved") == $2)) || fail "the writer confirmed $(wc -l <"$work/saved") of $2 saves"
}

# Random moments, each after the writer's first save (which may take long to start under the
# sanitizers), 2 to 50 ms into its saving.
saves 0 0
next=0
locked=0 confirmed=0
for ((round = 1; round <= kills; round++)); do
    : >"$work/saving"
    "$writer" "$settings" "$next" 1000000 >>"$work/saving" &
    pid=$!
    deadline=$((SECONDS + 30))
    until [[ -s $work/saving ]]; do
        ((SECONDS < deadline)) || fail "the writer saved nothing in 30 s"
        sleep 0.002
    done
    sleep "$(printf '0.%03d' $((2 + RANDOM % 49)))"
    # The writer holds its flock from the fresh read to the rename.
    awk -v pid=$pid '$2 == "FLOCK" && $5 == pid { held = 1 } END { exit !held }' /proc/locks &&
        locked=$((locked + 1))
    kill -KILL $pid
    wait $pid 2>/dev/null || true
    last=$(tail -n1 "$work/saving")
    confirmed=$((confirmed + ${last#saved } + 1 - next))
    next=$((${last#saved } + 1))
    check $next
    # Two saves: the first may find its swatch already there and write nothing.
    saves $next 2
    next=$((next + 2))
    left_beside
    # A file that keeps growing slows each save; start afresh now and then.
    if ((next > 2000)); then
        rm "$settings"
        saves 0 0
        next=0
    fi
done
echo "$kills random kills ($locked while the lock was held, $confirmed saves confirmed):" \
    "$torn torn files, $lost with confirmed swatches lost, $strays files left beside"

# One save, from a known file, killed at each of its system calls in turn, from the opening of the
# lock file to the end of the process. strace counts the calls of each name apart, so each call of
# the save is found as the Nth call of its name.
rm "$settings"
saves 0 3
cp "$settings" "$work/before"
traced -o "$work/trace" "$writer" "$settings" 3 1 >/dev/null
cp "$settings" "$work/after"
cmp -s "$work/before" "$work/after" && fail "the traced save wrote nothing"
awk 'match($0, /^[a-z0-9_]+\(/) { name = substr($0, 1, RLENGTH - 1); seen[name]++
                                  if (/registry\.reg\.lock/) from = 1
                                  if (from) print name, seen[name] }' "$work/trace" >"$work/calls"
calls=$(wc -l <"$work/calls")
((calls > 10)) || fail "the traced save made $calls system calls"
old=0 new=0
while read -r name nth; do
    cp "$work/before" "$settings"
    status=0
    # (The braces keep the shell's word on the killed process off the output.)
    { traced -o /dev/null -e "inject=$name:signal=KILL:when=$nth" \
        "$writer" "$settings" 3 1 >/dev/null; } 2>/dev/null || status=$?
    ((status == 128 + 9)) || fail "no kill at call $nth of $name (status $status)"
    if cmp -s "$settings" "$work/before"; then
        old=$((old + 1))
    elif cmp -s "$settings" "$work/after"; then
        new=$((new + 1))
    else
        fail "killed at call $nth of $name, the file is neither the old one nor the new"
    fi
    check 3
    saves 4 1
    left_beside
done <"$work/calls"
echo "killed at each of $calls system calls of one save: $old times the old file, $new the new;" \
    "$torn torn, $lost lost, $strays files left beside in all"
((torn == 0 && lost == 0)) || fail "$torn torn files, $lost with confirmed swatches lost"
echo PASS
