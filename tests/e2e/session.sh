# Shared by the end-to-end tests on either display server (xsession.sh, wsession.sh): a settings
# folder of the test's own, the processes started and ended, bounded waits and the settings
# file. Sourced, not run.
set -euo pipefail

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/Tarvo" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Tarvo/registry.reg
export LSAN_OPTIONS=suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp:print_suppressions=0

pids=()
# Ends a program started here, and its children (a program run through faketime is one).
stop() {
    pkill -P "$1" 2>/dev/null || true
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    # The programs before the servers they show on.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
    rm -rf "$work"
}
trap cleanup EXIT

# until SECONDS COMMAND...: runs COMMAND until it succeeds, failing after SECONDS.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "gave up waiting for: $*" >&2
            return 1
        fi
        sleep 0.1
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The settings file as the program would write it, with the given lines under the Settings key.
write_settings() {
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings]\r\n'
        printf '%s\r\n' "$@"
        printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Colours]\r\n'
        printf '"True Colour"=dword:000066ff\r\n"Safe Colour"=dword:000066ff\r\n\r\n'
    } >"$settings"
}

# The value NAME as the settings file holds it now ("dword:0000004a").
stored() {
    grep -a "^\"$1\"=" "$settings" | head -n1 | cut -d= -f2 | tr -d '\r'
}

# saved NAME: whether the settings file holds a value NAME now.
saved() { [[ -n $(stored "$1") ]]; }

# picked STATUS TEXT: the command line's pick ($picker, printing to $work/out) ended with STATUS,
# having printed TEXT.
picked() {
    gone() { ! kill -0 "$picker" 2>/dev/null; }
    until_true 10 gone || fail "the pick did not end"
    status=0
    wait "$picker" || status=$?
    [[ $status == "$1" && $(cat "$work/out") == "$2" ]] ||
        fail "the pick ended with $status, printing '$(cat "$work/out" "$work/err")', not $1 '$2'"
}
