#!/usr/bin/env bash
# Formats the tracked C++ files with the repository's .clang-format, using clang-format 14 as
# Debian 12 ships it so that every machine agrees. With --check it changes nothing and fails,
# naming each file and line that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh format

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Tracked and new files as they stand in the work tree; deleted ones are gone.
    mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
        while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi

case "${1:-}" in
--check) clang-format-14 --dry-run --Werror "${files[@]}" ;;
"") clang-format-14 -i "${files[@]}" ;;
*) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
