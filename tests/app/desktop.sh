#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# usage: desktop.sh CASE PROGRAM
# Starts the program where it can show no window and checks that it says why, in exactly the
# lines expected, and exits with status 1: an abort or a crash would give 128 + its signal.
# The case "xvfb" is the other side: on a display it can reach, the program opens its window.
set -u
case_=$1
program=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# run [VAR=VALUE...]: the program with its arguments in $args, on a clean slate: none of the
# caller's display, platform or session. One that runs on invisibly is stopped after 20 s.
args=
run() {
    # shellcheck disable=SC2086 # $args is split into arguments on purpose
    timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "$@" "$program" $args >"$out" 2>&1
    status=$?
}

fail() {
    echo "FAILED ($case_): $1"
    echo "--- the program said (status $status):"
    cat "$out"
    exit 1
}

# expect LINE...: status 1 and exactly these lines, each matching its extended regex whole.
expect() {
    [ "$status" -eq 1 ] || fail "exit status $status, not 1"
    [ "$(wc -l <"$out")" -eq $# ] || fail "$# line(s) expected"
    n=1
    for pattern in "$@"; do
        sed -n "${n}p" "$out" | grep -Eqx "$pattern" || fail "line $n does not match: $pattern"
        n=$((n + 1))
    done
    cat "$out"
}

nl_tail='; start het programma in een bureaubladsessie, of om te testen met xvfb-run maaltafels'
en_tail='; start the program in a desktop session, or for a test with xvfb-run maaltafels'

case $case_ in
no-display)
    run
    expect "maaltafels: geen scherm gevonden \(DISPLAY is leeg\)$nl_tail" \
           "maaltafels: no display found \(DISPLAY is empty\)$en_tail"
    ;;
unreachable-display)
    # Nothing listens on display 9999, neither on its socket nor on its TCP port.
    run DISPLAY=:9999
    expect "maaltafels: geen scherm gevonden \(DISPLAY=:9999 is niet bereikbaar\)$nl_tail" \
           "maaltafels: no display found \(DISPLAY=:9999 cannot be reached\)$en_tail"
    ;;
wayland-session)
    # A Wayland session tries Wayland first, then X; neither answers here.
    run XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="${TMPDIR:-/tmp}" WAYLAND_DISPLAY=maaltafels-no-such-socket
    expect "maaltafels: geen scherm gevonden \(WAYLAND_DISPLAY=maaltafels-no-such-socket is niet bereikbaar en DISPLAY is leeg\)$nl_tail" \
           "maaltafels: no display found \(WAYLAND_DISPLAY=maaltafels-no-such-socket cannot be reached and DISPLAY is empty\)$en_tail"
    ;;
offscreen | minimal)
    run QT_QPA_PLATFORM=$case_
    expect "maaltafels: QT_QPA_PLATFORM=$case_ shows no windows; start the program without it"
    ;;
platform-option)
    # Qt's own option wins over the environment, with one dash or two.
    args="--platform minimal" run QT_QPA_PLATFORM=xcb DISPLAY=:9999
    expect "maaltafels: -platform minimal shows no windows; start the program without it"
    ;;
display-option)
    args="-display :9999" run DISPLAY=:9998
    expect "maaltafels: geen scherm gevonden \(-display :9999 is niet bereikbaar\)$nl_tail" \
           "maaltafels: no display found \(-display :9999 cannot be reached\)$en_tail"
    ;;
fallback)
    # Qt falls back to the next platform in the list when X cannot be reached: here, offscreen.
    run QT_QPA_PLATFORM="xcb;offscreen:size=800x600" DISPLAY=:9999
    expect "maaltafels: QT_QPA_PLATFORM=xcb;offscreen:size=800x600 shows no windows; start the program without it"
    ;;
xvfb)
    # On a display it can reach the check stands aside: the frame window comes up.
    status=0
    timeout 60 xvfb-run -a sh -c '
        env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$1" & pid=$!
        for i in $(seq 1 120); do
            if xwininfo -root -tree | grep -q "\" Alle kinderen moeten alle kansen krijgen.\""; then
                kill $pid; wait $pid; exit 0
            fi
            kill -0 $pid 2>/dev/null || { wait $pid; echo "ended by itself with status $?"; exit 1; }
            sleep 0.25
        done
        kill $pid; echo "no frame window after 30 s"; exit 1' sh "$program" >"$out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the program did not open its window on Xvfb"
    grep -q '^maaltafels:' "$out" && fail "the program complained on a display it can reach"
    ;;
*)
    echo "unknown case $case_"
    exit 2
    ;;
esac
exit 0
