#!/bin/bash
# Settings that cannot be stored are not lost without a word: the program still starts and ends,
# and its close says once on standard error why it could not store them. What can be stored is:
# a file that reads whole can be written again, and a file keeps its owner.
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
write_settings '"Splash"=dword:00000000' "\"Other\"=\"$(head -c 4193900 /dev/zero | tr '\0' x)\""
run_and_close
said_once "the settings file would grow too large"
(($(stat -c %s "$settings") <= 4194304)) || fail "the file grew beyond the limit"

# Another program's long text beyond ASCII, 2.8 MB as it reads, more than the limit as the program
# would write it: taken as damaged at once, kept aside, and the settings stored in a new file.
write_settings '"Splash"=dword:00000000' "\"Other\"=\"$(yes é | head -n 1400000 | tr -d '\n')\""
cp "$settings" "$work/wide"
run_and_close
aside=$(compgen -G "$settings.damaged-*") || fail "the wide file was not kept aside"
cmp -s "$aside" "$work/wide" || fail "the file kept aside is not the wide one"
[[ $(stored Palette) == dword:0000000a ]] || fail "the settings were not stored: $(cat "$work/stderr")"
rm "$aside"

# At the limit of keys, the key of the window's place cannot be added: its values are not stored,
# the rest are, and no file is written that would read back as damaged.
write_settings '"Splash"=dword:00000000'
for ((k = 0; k < 4090; k++)); do printf '[HKEY_LOCAL_MACHINE\\Other\\%d]\r\n' "$k"; done >>"$settings"
run_and_close
said_once "their key could not be opened"
! compgen -G "$settings.damaged-*" >/dev/null || fail "a file was written that reads as damaged"
[[ $(stored Palette) == dword:0000000a ]] || fail "the other settings were not stored"
[[ $(grep -c '^\[' "$settings") == 4096 ]] || fail "not 4096 keys: $(grep -c '^\[' "$settings")"

# With neither HOME nor XDG_CONFIG_HOME there is no folder for the settings file: the program says
# so at its start, runs with its defaults and writes no file (for root, /.config at the root of the
# file system), and its close says that nothing was stored.
before=$(ls -la --full-time /.config/Tarvo 2>&1 || true)
run_and_close env -u HOME -u XDG_CONFIG_HOME "$program"
said_once "no folder for the settings file: neither HOME nor XDG_CONFIG_HOME is set"
[[ $(grep -c "no folder for the settings file" "$work/stderr") == 2 ]] ||
    fail "the start did not say there is no folder: $(cat "$work/stderr")"
[[ $(ls -la --full-time /.config/Tarvo 2>&1 || true) == "$before" ]] || fail "a settings file was written"

if ((EUID != 0)); then
    echo "PASS (without the cases of another user's files, which need root)"
    exit 0
fi

# Another user's settings folder, the program run as that user (uid 1000): as_user COMMAND...
chmod 711 "$work"
user=$work/user
mkdir -p "$user/Tarvo" "$user/runtime"
chmod 700 "$user/runtime"
as_user() {
    setpriv --reuid=1000 --regid=1000 --clear-groups \
        env XDG_CONFIG_HOME="$user" XDG_RUNTIME_DIR="$user/runtime" "$@"
}
kept_aside() { compgen -G "$user/Tarvo/registry.reg.damaged-*" | wc -l; }

# A damaged file of root's, which the user may read but neither replace nor link to: it is kept
# aside once, as a copy, however many saves fail (the start's keys, so the close finds none), in
# this run and the next.
head -c 100000 /dev/urandom >"$user/Tarvo/registry.reg"
chmod 444 "$user/Tarvo/registry.reg"
chown -R 1000:1000 "$user/runtime" "$user/Tarvo"
chown 0:0 "$user/Tarvo/registry.reg"
for run in 1 2; do
    run_and_close as_user "$program"
    said_once "the settings file could not be read"
    [[ $(kept_aside) == 1 ]] || fail "run $run: kept aside $(kept_aside) times"
done

# One run as root in the user's folder keeps the file the user's, with its group and mode.
rm -f "$user/Tarvo/"*
write_settings '"Splash"=dword:00000000'
cp "$settings" "$user/Tarvo/registry.reg"
chown 1000:1000 "$user/Tarvo/registry.reg"
chmod 640 "$user/Tarvo/registry.reg"
run_and_close env XDG_CONFIG_HOME="$user" "$program"
[[ $(stat -c '%u:%g %a' "$user/Tarvo/registry.reg") == "1000:1000 640" ]] ||
    fail "root took the file: $(stat -c '%u:%g %a' "$user/Tarvo/registry.reg")"
grep -aq '^"Palette"=' "$user/Tarvo/registry.reg" || fail "root's run stored nothing"

# The user's saves land beside a lock file that root left and the user may only read ...
chown 0:0 "$user/Tarvo/registry.reg.lock"
chmod 444 "$user/Tarvo/registry.reg.lock"
sed -i '/^"Left"=/d' "$user/Tarvo/registry.reg"
run_and_close as_user "$program"
grep -aq '^"Left"=' "$user/Tarvo/registry.reg" || fail "the user's run stored nothing"
[[ ! -s $work/stderr ]] || fail "the user's run said: $(cat "$work/stderr")"

# ... and are said to be impossible where a file of root's (from before) may not be replaced.
chown 0:0 "$user/Tarvo/registry.reg"
chmod 644 "$user/Tarvo/registry.reg"
sed -i '/^"Left"=/d' "$user/Tarvo/registry.reg"
run_and_close as_user "$program"
said_once "the settings file could not be replaced"
! grep -aq '^"Left"=' "$user/Tarvo/registry.reg" || fail "root's file was changed"

echo "PASS"
