#!/usr/bin/env bash
# Formats the C++ sources (*.h, *.cpp of app, core, platform, windows, typologies, tests, scripts)
# with the repository's .clang-format, written for clang-format 14.
#   scripts/format.sh           rewrites the files in place
#   scripts/format.sh --check   changes nothing; lists the files that differ, exit 1 if any does
# CLANG_FORMAT names another binary. Tables that clang-format cannot keep one row per line are
# between "// clang-format off" and "// clang-format on".
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-clang-format}
command -v "$CLANG_FORMAT" >/dev/null || { echo "format.sh: no $CLANG_FORMAT (Debian 12: apt-get install clang-format)" >&2; exit 2; }
version=$("$CLANG_FORMAT" --version | sed -n 's/.*version \([0-9]*\).*/\1/p')
[ "$version" = 14 ] || echo "format.sh: clang-format $version; .clang-format is written for 14" >&2

mapfile -d '' files < <(find app core platform windows typologies tests scripts -type f \
                          \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [ "${1:-}" = --check ]; then
  differ=$(printf '%s\0' "${files[@]}" | xargs -0 -n 16 -P 4 sh -c \
             'for f; do "$0" --style=file "$f" | cmp -s - "$f" || echo "$f"; done' "$CLANG_FORMAT" | sort)
  if [ -n "$differ" ]; then
    echo "$differ"
    echo "$(echo "$differ" | wc -l) of ${#files[@]} files differ from .clang-format (scripts/format.sh applies it)" >&2
    exit 1
  fi
  echo "${#files[@]} files as .clang-format writes them"
  exit 0
fi
printf '%s\0' "${files[@]}" | xargs -0 -n 16 -P 4 "$CLANG_FORMAT" -i --style=file
