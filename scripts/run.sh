#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
exec "${VORTAN_BUILD_DIR:-$root/build}/app/vortan" "$@"
