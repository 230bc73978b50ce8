#!/usr/bin/env bash
# Refreshes docs/screenshots under a virtual X display: each method page with
# its span diagram (tools/screenshots/*.vts) at 1366x768, and the demo line's
# overview and Cable Sag page at 1366x768 and 1024x600, its setup editor and
# its report (tools/screenshots/views/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORTAN_BUILD_DIR:-$root/build}"
"$root/scripts/install-packages.sh" xvfb xauth
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target window_screenshot
cd "$root"
shot() {  # SIZE OUT ARGUMENTS...
  local size="$1" out="$2"
  shift 2
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${size}x24" "$build/tools/screenshots/window_screenshot" \
    --size "$size" "$@" "docs/screenshots/$out.png" 2>/dev/null
  echo "docs/screenshots/$out.png"
}
for script in tools/screenshots/*.vts; do
  shot 1366x768 "method-$(basename "$script" .vts)" "$script"
done
views=tools/screenshots/views
for size in 1366x768 1280x800 1024x600; do
  shot "$size" "line-overview-$size" "$views/line-overview.vts"
  shot "$size" "cable-sag-page-$size" "$views/cable-sag-page.vts"
done
# 200 %: the laptop's 1366x768 on a screen of twice the pixels, and a
# full-HD screen (960x540 at 200 %).
QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2732x1536x24" \
  "$build/tools/screenshots/window_screenshot" --size 1366x768 "$views/cable-sag-page.vts" \
  docs/screenshots/cable-sag-page-200-percent.png 2>/dev/null
echo docs/screenshots/cable-sag-page-200-percent.png
QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" \
  "$build/tools/screenshots/window_screenshot" --size 960x540 "$views/cable-sag-page.vts" \
  docs/screenshots/cable-sag-page-1920x1080-200-percent.png 2>/dev/null
echo docs/screenshots/cable-sag-page-1920x1080-200-percent.png
for grab in report stringing; do
  script="$views/line-overview.vts"
  [ "$grab" = report ] && script="$views/report.vts"
  shot 1024x600 "$grab-1024x600" --grab "$grab" "$script"
done
shot 1366x768 setup-editor --grab setup "$views/line-overview.vts"
shot 1366x768 report --grab report "$views/report.vts"
shot 1366x768 stringing-chart --grab stringing "$views/line-overview.vts"
