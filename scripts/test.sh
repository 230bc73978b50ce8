#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (unit, scenario and
# offscreen window tests) in a random order.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh" "$@"
export GTEST_SHUFFLE=1 QT_QPA_PLATFORM=offscreen
ctest --test-dir "${VORTAN_BUILD_DIR:-$root/build}" --output-on-failure --parallel "$(nproc)"
