#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a bounded time, under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the seeds in tests/fuzz/semillas/<name>/.
#   tests/fuzz/fuzz.sh [build folder, default build-asan] [seconds per target, default 30]
# FUZZ_JOBS targets run at once (default 2). An input that breaks a target is written to
# <build>/fuzz-hallazgos/<name>/ and printed; the run then ends with code 1.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build-asan}
SECONDS_EACH=${2:-30}
JOBS=${FUZZ_JOBS:-2}
ROOT=$PWD

run_one() {
  local target=$1 name=${1#fuzz_}
  local corpus="$ROOT/$BUILD/fuzz-corpus/$name" found="$ROOT/$BUILD/fuzz-hallazgos/$name"
  mkdir -p "$corpus" "$found"
  # Leaks are checked too; the quoting target's one connection lives for the whole run.
  if ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     "$ROOT/$BUILD/bin/$target" "$corpus" "$ROOT/tests/fuzz/semillas/$name" \
       -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
       -artifact_prefix="$found/" -print_final_stats=1 > "$ROOT/$BUILD/fuzz-$name.log" 2>&1; then
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$ROOT/$BUILD/fuzz-$name.log" | awk '{print $2}') inputs in ${SECONDS_EACH}s, nothing found"
  else
    echo "$target: FOUND A FAULT (log: $BUILD/fuzz-$name.log)"
    grep -E 'ERROR|runtime error|property failed|Test unit written' "$ROOT/$BUILD/fuzz-$name.log" | head -5
    return 1
  fi
}
export -f run_one
export ROOT BUILD SECONDS_EACH

targets=$(cd "$BUILD/bin" && ls fuzz_* 2>/dev/null || true)
if [ -z "$targets" ]; then
  echo "no fuzz targets in $BUILD/bin (configure with -DVALORACION_FUZZ=ON and clang)" >&2
  exit 1
fi
printf '%s\n' $targets | xargs -P "$JOBS" -I{} bash -c 'run_one {}'
