#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file that lacks it: "// SPDX-..." in C++, "# SPDX-..."
# in shell scripts, CMake files and Makefiles, below a #! line where there is one. Running it again
# changes nothing. With --check it changes nothing either, lists the files without the line and
# fails if there are any.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

spdx='SPDX-License-Identifier: GPL-3.0-or-later'
check=false
case "${1:-}" in
--check) check=true ;;
'') ;;
*)
    echo "usage: scripts/spdx.sh [--check]" >&2
    exit 2
    ;;
esac

# Every source file in the tree, build output and the fuzz corpus aside: by its name, or by its #!.
sources() {
    find . \( -path ./build -o -path ./.git -o -path ./tests/fuzz/numbers \) -prune -o -type f -print |
        sed 's|^\./||' | sort | while IFS= read -r file; do
        case "$file" in
        *.cpp | *.h) echo "// $file" ;;
        *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | Makefile) echo "# $file" ;;
        *) [[ "$(head -c 2 "$file")" == '#!' ]] && echo "# $file" || true ;;
        esac
    done
}

missing=0
while IFS= read -r entry; do
    comment=${entry%% *}
    file=${entry#* }
    line="$comment $spdx"
    # The line belongs first, or second below a #! line.
    head -n 2 "$file" | grep -qxF "$line" && continue
    if $check; then
        echo "$file: no \"$line\" at the top"
        missing=$((missing + 1))
    elif [[ "$(head -c 2 "$file")" == '#!' ]]; then
        sed -i "1a $line" "$file"
    else
        sed -i "1i $line" "$file"
    fi
done < <(sources)

if $check && ((missing > 0)); then
    echo "$missing source file(s) without the licence line; scripts/spdx.sh adds it" >&2
    exit 1
fi
