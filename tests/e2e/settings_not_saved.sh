#!/bin/bash
# Settings that cannot be stored are not lost without a word: the program still starts and ends,
# and its close says once on standard error why it could not store them.
program=$1
source "$(dirname "$0")/xsession.sh"

# run_and_close: the program started with splash off and closed by its menu; $work/stderr holds
# what it said.
run_and_close() {
    : >"$work/stderr"
    start_program "$@"
    exit_by_menu "$pid"
}
# said_once TEXT: the one line about settings on standard error says TEXT.
said_once() {
    [[ $(grep -c "Settings could not be saved" "$work/stderr") == 1 ]] &&
        grep -q "Tarvo Pigmenta: Settings could not be saved: $1" "$work/stderr" ||
        fail "not one line saying: $1: $(cat "$work/stderr")"
}

# A file just under the size limit, which the settings of a close would take beyond it.
write_settings '"Splash"=dword:00000000' "\"Other\"=\"$(head -c 4194000 /dev/zero | tr '\0' x)\""
before=$(md5sum <"$settings")
run_and_close
said_once "the settings file would grow too large"
[[ $(md5sum <"$settings") == "$before" ]] || fail "the full file was changed"

echo "PASS"
