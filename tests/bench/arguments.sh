#!/bin/bash
# The benchmarks refuse what they do not know with a usage line, before they start anything, and
# leave no X server behind however they end. Runs no benchmark.
set -euo pipefail
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# refused COMMAND...: COMMAND ends with status 2 and a usage line, and writes no file here.
refused() {
    local status=0
    "$@" 2>"$work/.err" >/dev/null || status=$?
    ((status == 2)) || fail "$* ended with $status"
    grep -q '^usage: ' "$work/.err" || fail "$* printed no usage line"
    [[ -z $(ls) ]] || fail "$* wrote $(ls)"
}

for name in bench_finder bench_palettedrag bench_palettes; do
    refused "$bench/$name" --benchmark_filter=x --no_such_option
done
for arguments in --benchmark_filter=x x 0 "2 2"; do
    # shellcheck disable=SC2086 # the runs are split on purpose
    refused "$bench/bench_startup" $arguments
done
refused "$bench/bench_report" --benchmark_filter=x
refused "$bench/bench_report" a.md b.md

# Killed while its X server runs, bench_startup takes the server with it.
"$bench/bench_startup" 1 >/dev/null 2>&1 &
benchmark=$!
server() { pgrep -P "$benchmark" -x Xvfb; }
for _ in $(seq 100); do server >/dev/null && break; sleep 0.1; done
xvfb=$(server) || fail "bench_startup started no X server"
kill -KILL "$benchmark"
wait "$benchmark" 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$xvfb" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$xvfb" 2>/dev/null || fail "the X server outlived bench_startup"
echo PASS
