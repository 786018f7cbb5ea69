#!/usr/bin/env bash
# Installs what is missing, builds the program (only it: the program, its database, help pages
# and pictures) and starts it. It needs a display; on a machine without one:
#   xvfb-run -a ./run.sh
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh valoracion
exec build/bin/valoracion "$@"
