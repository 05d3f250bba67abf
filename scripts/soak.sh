#!/usr/bin/env bash
# The long soak: the seeded monkey over the whole program, built normally in build/.
#   scripts/soak.sh [steps] [seed]     (100000 steps and a fresh seed unless given)
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages
kindrel_build
export KINDREL_SOAK_STEPS="${1:-${KINDREL_SOAK_STEPS:-100000}}"
[ -z "${2:-}" ] || export KINDREL_SOAK_SEED="$2"
cd "$KINDREL_ROOT/build"
QT_QPA_PLATFORM=offscreen KINDREL_BUILD_DIR="$PWD" \
    KINDREL_MANIFEST="$KINDREL_ROOT/assets/manifest.txt" tests/tst_monkey \
    || kindrel_fail "the soak failed (its seed is in the first lines above)"
