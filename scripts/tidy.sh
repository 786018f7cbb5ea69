#!/usr/bin/env bash
# Runs clang-tidy, with the checks of .clang-tidy, over the project's own sources (app, core,
# platform, windows, typologies, tests, scripts); exits non-zero on any finding.
#   scripts/tidy.sh            TIDY_JOBS sets the parallel jobs (default: the number of cores)
# The compile database comes from a build folder of its own, build-tidy, configured with clang
# (the flags clang-tidy reads are then a compiler's it knows) and with the fuzz targets, so that
# their sources are checked too. Nothing is compiled: only the autogen targets run, which write
# the moc files the sources include. Generated sources in the build folder are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=build-tidy
jobs=${TIDY_JOBS:-$(nproc)}

cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF \
      -DVALORACION_FUZZ=ON >/dev/null
# The autogen targets need nothing else built (AUTOGEN_ORIGIN_DEPENDS off).
mapfile -t autogen < <(ninja -C "$dir" -t targets all | sed -n 's/^\([^:]*_autogen\): phony$/\1/p')
ninja -C "$dir" -j "$jobs" "${autogen[@]}" >/dev/null

# Only files below the source folders, not below build*/ (the root is quoted for the regex).
root_re=$(printf '%s' "$root" | sed 's/[][\.*^$+?(){}|]/\\&/g')
# run-clang-tidy prints each clang-tidy command, in colour, and clang's count of the warnings
# it suppressed in Qt's headers: the colours and those lines are left out, the findings stay.
# A finding in a header is reported by every source that includes it: the summary at the end
# names each once.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -j "$jobs" -quiet -p "$dir" "^$root_re/(app|typologies|windows|core|platform|tests|scripts)/" 2>&1 |
  sed -u 's/\x1b\[[0-9;]*m//g' |
  grep -vE '^(clang-tidy(-[0-9]+)? |[0-9]+ warnings? generated\.$)' | tee "$log" || status=${PIPESTATUS[0]}
if [ "${status}" -ne 0 ]; then
  echo "clang-tidy: findings, each once:" >&2
  sed -nE 's#^([^ :]+:[0-9]+:[0-9]+): (warning|error): .*\[([a-z0-9.-]+)(,-warnings-as-errors)?\]$#  \1 \3#p' "$log" |
    sed -E "s#^  ($root_re/)?(build-tidy/include-[a-z]+/)?#  #" | sort -u >&2
  exit 1
fi
echo "clang-tidy: no findings"
