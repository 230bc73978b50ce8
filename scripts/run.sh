#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
# With no project named, the demo line that ships with the program opens.
if [ $# -eq 0 ]; then set -- "$root/examples/demo-line.vtn"; fi
exec "${VORTAN_BUILD_DIR:-$root/build}/app/vortan" "$@"
