#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: runs the program on a private Xvfb display and prints
# its start-up time, resident memory and idle CPU use next to the targets.
#
# Usage: tools/bench/bench.sh [PROGRAM [ARGS...]]    (default: build/release/bin/maaltafels)
# Environment: BENCH_RUNS (11), BENCH_IDLE (5 seconds), STARTBENCH (path of maaltafels-startbench),
#              BAREQT (path of maaltafels-bareqt, the bare Qt floor measured first when it exists),
#              SCREENBENCH (path of maaltafels-screenbench: opening the screens, measured last),
#              BENCH_VERBOSE=1 to show each window as it is mapped.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
runs=${BENCH_RUNS:-11}
idle=${BENCH_IDLE:-5}
if (($# > 0)); then
    program=("$@")
else
    program=("$root/build/release/bin/maaltafels")
fi

die() {
    echo "bench: $*" >&2
    exit 1
}

[[ -x "${program[0]}" ]] || command -v "${program[0]}" >/dev/null 2>&1 ||
    die "${program[0]} not found; build it first (make bench does)"
command -v Xvfb >/dev/null 2>&1 || die "Xvfb not found; run scripts/setup.sh"

startbench=${STARTBENCH:-$root/build/release/bin/maaltafels-startbench}
if [[ ! -x "$startbench" ]]; then
    # Not in this build tree (yet): build the tool on its own.
    echo "bench: building maaltafels-startbench in build/startbench"
    cmake -S "$root/tools/bench" -B "$root/build/startbench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build/startbench" >/dev/null
    startbench=$root/build/startbench/bin/maaltafels-startbench
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/maaltafels-bench.XXXXXX")
xvfb_pid=
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts Xvfb on display :$1; succeeds once it accepts connections, fails if it exits first.
start_xvfb() {
    local n=$1 ready=$tmp/ready.$1
    : >"$ready"
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset -displayfd 3 3>"$ready" >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 500); do # up to 10 s
        [[ -s "$ready" ]] && return 0
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.02
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    return 1
}

display=
for n in 97 98 99 113 127 131 149 157; do
    [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    if start_xvfb "$n"; then
        display=:$n
        break
    fi
done
if [[ -z "$display" ]]; then
    [[ -s "$tmp/xvfb.log" ]] && sed 's/^/  Xvfb: /' "$tmp/xvfb.log" >&2
    die "could not start Xvfb on a free display"
fi

mkdir -m 700 "$tmp/runtime"
opts=(--runs "$runs" --idle "$idle")
[[ "${BENCH_VERBOSE:-0}" == 1 ]] && opts+=(--verbose)

# A desktop session has a session bus, and Qt asks it about accessibility and menus at start.
# Without one libdbus tries to launch a bus for each start, which no desktop pays; so the program
# runs under a private bus here, as it does on a desktop.
session=()
if command -v dbus-run-session >/dev/null 2>&1; then
    session=(dbus-run-session --)
else
    echo "bench: dbus-run-session not found (package dbus-daemon): the figures include libdbus's attempts to launch a bus"
fi

# Runs the benchmark on one program; its figures go to $tmp/figures.$1.
measure() {
    local name=$1 status=0
    shift
    echo "bench: $* on Xvfb $display, $runs runs, $idle s idle${session:+, private session bus}"
    # Per-run lines are shown as they come; the figures are kept to be shown with their targets.
    DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp/runtime \
        "${session[@]}" "$startbench" "${opts[@]}" -- "$@" </dev/null |
        while IFS= read -r line; do
            case $line in
            startup_ms_median=* | rss_mb=* | idle_cpu_ms=* | idle_seconds=*) echo "$line" >>"$tmp/figures.$name" ;;
            *) echo "$line" ;;
            esac
        done || status=$?
    ((status == 0)) || die "maaltafels-startbench failed on $1 (exit $status)"
}

# The floor first, when it was built: the same figures for a bare Qt program of the same shape.
bareqt=${BAREQT:-$(dirname "$startbench")/maaltafels-bareqt}
[[ -x "$bareqt" ]] && measure floor "$bareqt"
measure program "${program[@]}"

value() { sed -n "s/^$2=//p" "$tmp/figures.$1"; }
verdict() { awk -v v="$1" -v lim="$2" 'BEGIN { print ((v + 0 < lim + 0) ? "ok" : "MISSED") }'; }

# One line a figure: the program's value, its target, and the bare Qt floor beside it.
row() {
    local floor=
    [[ -f "$tmp/figures.floor" ]] && floor="(bare Qt: $(value floor "$1"))"
    printf '%-26s target: %-30s %-7s %s\n' "$1=$(value program "$1")" "$2" "$(verdict "$(value program "$1")" "$3")" "$floor"
}
row startup_ms_median "under 60 ms to both windows" 60
row rss_mb "under 40 MB resident" 40
row idle_cpu_ms "0 ms CPU over $idle idle seconds" 1

# The screens: a click on the choice board until its screen is painted, and the memory once every
# screen has been shown.
screenbench=${SCREENBENCH:-$(dirname "$startbench")/maaltafels-screenbench}
if [[ -x "$screenbench" ]]; then
    echo "bench: $screenbench on Xvfb $display"
    DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp/runtime \
        "${session[@]}" "$screenbench" </dev/null >"$tmp/screens" || die "maaltafels-screenbench failed"
    grep -v '^rss_all_screens_mb=' "$tmp/screens"
    slowest=$(awk '/^open_ms/ { for (i = 3; i <= NF; i++) { split($i, kv, "="); if (kv[2] + 0 > m) m = kv[2] + 0 } } END { print m + 0 }' "$tmp/screens")
    rss_all=$(sed -n 's/^rss_all_screens_mb=\([0-9.]*\).*/\1/p' "$tmp/screens")
    printf '%-26s target: %-30s %s\n' "open_ms_slowest=$slowest" "within 16 ms, one frame" "$(verdict "$slowest" 16.7)"
    printf '%-26s target: %-30s %s\n' "rss_all_screens_mb=$rss_all" "under 60 MB resident" "$(verdict "$rss_all" 60)"
fi
