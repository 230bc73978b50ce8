#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang (ASan + UBSan) and runs each
# for a fixed number of executions, printing one summary line per target.
# Exits non-zero when any target finds a crash, hang or sanitizer report; the
# input that caused it is kept in $build/artifacts/<target>/.
#
# Environment:
#   VORTAN_FUZZ_BUILD_DIR  build folder (default: build-fuzz in the tree)
#   VORTAN_FUZZ_RUNS       executions per target (default 100000)
#   VORTAN_FUZZ_MAX_TIME   seconds per target at most (default 600)
#   VORTAN_FUZZ_TARGETS    the targets to run, blank-separated (default: all)
#   VORTAN_FUZZ_JOBS       parallel compile jobs (default 2)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORTAN_FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs="${VORTAN_FUZZ_RUNS:-100000}"
max_time="${VORTAN_FUZZ_MAX_TIME:-600}"
jobs="${VORTAN_FUZZ_JOBS:-2}"
all_targets=(number_text_fuzz angle_fuzz field_extraction_fuzz profile_fuzz project_open_fuzz scenario_fuzz journal_fuzz)
read -r -a targets <<<"${VORTAN_FUZZ_TARGETS:-${all_targets[*]}}"

# clang, and the sanitizer and libFuzzer runtimes (only recommended by clang,
# so named here); cmake, ninja and GoogleTest for configuring the tree.
"$root/scripts/install-packages.sh" clang libclang-rt-dev cmake ninja-build libgtest-dev libgmock-dev

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVORTAN_GUI=OFF -DVORTAN_FUZZ=ON >/dev/null
ninja -C "$build" -j"$jobs" "${targets[@]}"

# Seeds made at run time from the demo project and the scenario scripts.
generated="$build/generated-seeds"
rm -rf "$generated"
mkdir -p "$generated/project_open_fuzz" "$generated/scenario_fuzz"
demo="$root/examples/demo-line"
{
  cat "$demo.vtn"
  for ext in spd scb sin scp sct scn svc; do
    printf '\0'
    cat "$demo.$ext"
  done
} >"$generated/project_open_fuzz/demo-line"
for script in "$root"/tests/scenarios/*.vts "$root"/examples/*.vts; do
  cp "$script" "$generated/scenario_fuzz/$(basename "$script")"
done
# The commands and the component names the scripts use, as a dictionary.
dict="$build/scenario.dict"
cat "$root"/tests/scenarios/*.vts "$root"/examples/*.vts |
  awk '!/^#/ && NF { print $1; if (NF > 1) print $2 }' | sort -u |
  sed 's/\\/\\\\/g; s/"/\\"/g; s/.*/"&"/' >"$dict"

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  seeds=("$root/fuzz/corpus/$target")
  [ -d "$generated/$target" ] && seeds+=("$generated/$target")
  extra=()
  [ "$target" = scenario_fuzz ] && extra+=("-dict=$dict")
  before=$(find "$artifacts" -type f | wc -l)
  started=$(date +%s.%N)
  set +e
  "$build/fuzz/$target" -runs="$runs" -max_total_time="$max_time" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "${extra[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1
  rc=$?
  set -e
  seconds=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed="?"
  [ -n "$executions" ] && speed=$(awk -v n="$executions" -v t="$seconds" 'BEGIN { printf "%d", n / (t + 0.001) }')
  crashes=$(( $(find "$artifacts" -type f | wc -l) - before ))
  if [ "$rc" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
  printf '%-22s executions=%s time=%.0fs exec/s=%s crashes=%s%s\n' "$target" "${executions:-?}" "$seconds" "$speed" \
    "$crashes" \
    "$([ "$crashes" -gt 0 ] && echo " (see $log)")"
  [ "$crashes" -eq 0 ] || status=1
done
exit "$status"
