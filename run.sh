#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program beside its picture folders.
set -euo pipefail
KINDREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$KINDREL_ROOT/scripts/setup.sh"
kindrel_install_packages
kindrel_build
cd "$KINDREL_ROOT/build"
exec ./kindrel
