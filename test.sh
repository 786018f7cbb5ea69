#!/usr/bin/env bash
# Installs what is missing (the tests' and CI's packages too), builds everything and runs
# every test (ctest). The tests need no display: they run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j "${TEST_JOBS:-$(nproc)}"
