#!/usr/bin/env bash
# Configures and builds into build/; the program folder is build/bin.
#   scripts/build.sh              everything (program, tools, tests, benchmarks)
#   scripts/build.sh valoracion   only the named targets and what they depend on
# VALORACION_WERROR=ON turns warnings into errors (CI); it is passed on every call, so a
# folder configured once by CI does not keep it for later builds.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVALORACION_WERROR="${VALORACION_WERROR:-OFF}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j "${BUILD_JOBS:-$(nproc)}" --target "$@"
else
  cmake --build build -j "${BUILD_JOBS:-$(nproc)}"
fi
