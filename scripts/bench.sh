#!/usr/bin/env bash
# Builds optimised and runs every benchmark.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORTAN_BENCH_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORTAN_GUI=OFF
cmake --build "$build" --parallel "$(nproc)" --target crc32_bench open_project_bench save_project_bench stringing_bench hostile_file_bench result_band_bench
"$build/bench/crc32_bench"
"$build/bench/open_project_bench"
"$build/bench/save_project_bench"
"$build/bench/stringing_bench"
"$build/bench/hostile_file_bench"
"$build/bench/result_band_bench"
# The desktop program's start-up and every exit path, on the demo project.
cmake -S "$root" -B "$build-gui" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build-gui" --parallel "$(nproc)" --target exit_bench line_overview_bench
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build-gui/bench/exit_bench"
