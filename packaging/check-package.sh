#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package (make package) and checks it as a school's administrator would get it:
# its files at their standard paths, its licence, the launcher entry and the AppStream metainfo
# through their validators (no errors, no warnings), lintian (no errors, no hardening tags), and
# the program unpacked from the package starting, offscreen and on an X display with its window
# icon.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

app=nl.maaltafels.Maaltafels
icon_sizes=(16 22 24 32 48 64 128 256)

fail() {
    echo "check-package: $*" >&2
    exit 1
}

make package
deb=$(ls build/release/maaltafels_*.deb 2>/dev/null | tail -n 1)
[[ -n "$deb" ]] || fail "make package made no build/release/maaltafels_*.deb"
echo "check-package: $deb"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/maaltafels-package.XXXXXX")
pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# The contents: each file where desktops, man and AppStream look for it, and only the program in bin.
dpkg-deb -c "$deb" | tee "$tmp/contents"
paths=$(awk '{print $NF}' "$tmp/contents" | sed 's|^\./|/|')
expected=(
    /usr/bin/maaltafels
    /usr/share/applications/$app.desktop
    /usr/share/metainfo/$app.metainfo.xml
    /usr/share/man/man1/maaltafels.1.gz
    /usr/share/doc/maaltafels/copyright
    /usr/share/doc/maaltafels/changelog.gz
    /usr/share/icons/hicolor/scalable/apps/$app.svg
)
for size in "${icon_sizes[@]}"; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$paths" || fail "the package lacks $path"
done
bins=$(grep '^/usr/bin/.' <<<"$paths" || true)
[[ "$bins" == /usr/bin/maaltafels ]] || fail "only the program belongs in /usr/bin, found: $bins"

depends=$(dpkg-deb -f "$deb" Depends)
echo "check-package: Depends: $depends"
for dep in fonts-comic-neue fonts-liberation2 libqt6widgets6 libqt6svg6; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep"
done

dpkg-deb -x "$deb" "$tmp/root"
for size in "${icon_sizes[@]}"; do
    # A PNG's header holds its width and height at bytes 16 to 23.
    dims=$(od -An -tu1 -j16 -N8 "$tmp/root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [[ "$dims" == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $dims pixels"
done

# The licence, the GPL version 3 or later: in the metainfo, in Debian's machine-readable copyright
# file, and in full beside the sources.
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$tmp/root/usr/share/metainfo/$app.metainfo.xml" ||
    fail "the metainfo's project_license is not GPL-3.0-or-later"
copyright=$tmp/root/usr/share/doc/maaltafels/copyright
[[ "$(head -n 1 "$copyright")" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
    fail "the copyright file is not in Debian's machine-readable format"
grep -qx 'Files: \*' "$copyright" && grep -qx 'License: GPL-3+' "$copyright" ||
    fail "the copyright file does not put every file under GPL-3+"
cmp -s LICENSE /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the text of the GPL version 3"

# The validators: desktop-file-validate prints warnings but exits 0 on them, so any output fails.
echo "check-package: desktop-file-validate"
out=$(desktop-file-validate "$tmp/root/usr/share/applications/$app.desktop" 2>&1) || {
    echo "$out"
    fail "desktop-file-validate found errors"
}
[[ -z "$out" ]] || {
    echo "$out"
    fail "desktop-file-validate found warnings"
}
echo "check-package: appstreamcli validate-tree --no-net --strict --pedantic"
appstreamcli validate-tree --no-net --strict --pedantic "$tmp/root" || fail "appstreamcli found errors or warnings"
echo "check-package: lintian --display-info --pedantic"
lintian --display-info --pedantic --fail-on error "$deb" | tee "$tmp/lintian" || fail "lintian found errors"
# The Release build is hardened (stack protector, fortify, RELRO and BIND_NOW, PIE): no hardening tag.
! grep -q 'hardening-' "$tmp/lintian" || fail "lintian finds the program not fully hardened"

# The unpacked program, offscreen: it shows no window there, and must say so and end with status 1.
echo "check-package: starting the unpacked program offscreen"
mkdir -m 700 "$tmp/runtime"
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp/runtime timeout 20 "$tmp/root/usr/bin/maaltafels" \
    2>"$tmp/stderr" || status=$?
sed 's/^/  program: /' "$tmp/stderr"
[[ $status -eq 1 ]] && grep -q "shows no windows" "$tmp/stderr" ||
    fail "offscreen, the unpacked program did not say that it shows no windows (status $status)"

# And on an X display: its frame window and welcome screen are mapped, under the window class the
# launcher entry names (StartupWMClass), each with the window icon.
echo "check-package: starting the unpacked program on Xvfb"
XDG_RUNTIME_DIR=$tmp/runtime xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" bash -c '
    "$1" & pid=$!
    for _ in $(seq 100); do # up to 10 s
        windows=$(xwininfo -root -children | awk "/\\(\"maaltafels\" \"Maaltafels\"\\)/ {print \$1}")
        with_icon=0
        for w in $windows; do
            xprop -id "$w" -notype 32c _NET_WM_ICON | grep -q "^_NET_WM_ICON = 16, 16," && with_icon=$((with_icon + 1))
        done
        (($(wc -w <<<"$windows") >= 2 && with_icon == $(wc -w <<<"$windows"))) && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || { echo "the program ended before its windows came up"; exit 1; }
    wait "$pid" 2>/dev/null
    echo "$(wc -w <<<"$windows") windows of class Maaltafels, $with_icon with the window icon"
    (($(wc -w <<<"$windows") >= 2 && with_icon == $(wc -w <<<"$windows")))
' check "$tmp/root/usr/bin/maaltafels" || fail "the unpacked program did not show its windows with their icon"

echo "check-package: $deb passed"
