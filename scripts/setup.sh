#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
#   scripts/setup.sh          what building and running the program needs
#   scripts/setup.sh --tests  also what the tests and the CI checks need (PDF reading tools,
#                             clang with its sanitizer and libFuzzer runtimes, lld, clang-tidy, clang-format)
set -euo pipefail
# The program: compiler, build tools, Qt, SQLite, GoogleTest (the build configures its tests
# too), the report fonts, and a virtual display for machines without one (xvfb-run).
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libsqlite3-dev libgtest-dev
          fonts-liberation2 xvfb xauth)
if [ "${1:-}" = "--tests" ]; then
  PACKAGES+=(poppler-utils clang libclang-rt-dev lld clang-tidy clang-format)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
