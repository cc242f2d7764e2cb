# Shared by the end-to-end tests: a private X server, a settings folder of the test's own and
# bounded waits. Sourced, not run.
set -euo pipefail

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/Tarvo" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Tarvo/registry.reg
unset WAYLAND_DISPLAY
export LSAN_OPTIONS=suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp
export QT_QPA_PLATFORM=xcb

Xvfb -displayfd 5 -noreset -nolisten tcp -screen 0 1024x768x24 5>"$work/display" 2>/dev/null &
xvfb=$!
pids=()
# Ends a program started here, and its children (a program run through faketime is one).
stop() {
    pkill -P "$1" 2>/dev/null || true
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    for pid in "${pids[@]}"; do stop "$pid"; done
    kill "$xvfb" 2>/dev/null || true
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

has_display() { [[ -s $work/display ]]; }
until_true 10 has_display
export DISPLAY=:$(head -n1 "$work/display")

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

clipboard_is() { [[ $(xclip -selection clipboard -o 2>/dev/null) == "$1" ]]; }

# find_window TITLE: the id of the shown window with exactly that title, waited for.
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }

# exit_by_menu PID: Colour > Exit by its keys, then the program PID is waited for.
exit_by_menu() {
    xdotool key --delay 100 alt+c x
    gone() { ! kill -0 "$1" 2>/dev/null; }
    until_true 10 gone "$1" || fail "Colour > Exit did not end the program"
}
