#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages
kindrel_build
cd "$KINDREL_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@" || kindrel_fail "tests failed"
