#!/usr/bin/env bash
# Refreshes docs/screenshots/method-*.png: each method page with its span
# diagram, from the scripts in tools/screenshots/, under a virtual X display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORTAN_BUILD_DIR:-$root/build}"
"$root/scripts/install-packages.sh" xvfb xauth
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target window_screenshot
for script in "$root"/tools/screenshots/*.vts; do
  name="$(basename "$script" .vts)"
  xvfb-run -a -s "-screen 0 1400x900x24" "$build/tools/screenshots/window_screenshot" "$script" \
    "$root/docs/screenshots/method-$name.png"
  echo "docs/screenshots/method-$name.png"
done
