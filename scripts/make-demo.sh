#!/usr/bin/env bash
# Writes the demo project in examples/ afresh by running examples/demo-line.vts
# with the headless driver: the master file and its eight side files are what
# the program itself saves.  The driver is $VORTAN_CLI, or the one in the build
# tree (build/ or $VORTAN_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${VORTAN_CLI:-${VORTAN_BUILD_DIR:-$root/build}/app/vortan-cli}"
if [[ ! -x "$cli" ]]; then
    echo "make-demo: no vortan-cli at $cli (build first, or set VORTAN_CLI)" >&2
    exit 1
fi
cli="$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")"

cd "$root/examples"
# Save As would ask before replacing the project; the old set goes first.
rm -f demo-line.vtn demo-line.spd demo-line.scb demo-line.scn demo-line.sct demo-line.scp demo-line.svc \
    demo-line.sin demo-line.sst

output="$(mktemp)"
trap 'rm -f "$output"' EXIT
status=0
"$cli" script demo-line.vts >"$output" || status=$?
cat "$output"
if [[ $status -ne 0 ]]; then
    echo "make-demo: the demo script stopped with exit status $status" >&2
    exit "$status"
fi
if grep -q '^MESSAGE error' "$output"; then
    echo "make-demo: the demo script met an error message (above)" >&2
    exit 1
fi
for ext in vtn spd scb scn sct scp svc sin sst; do
    if [[ ! -f "demo-line.$ext" ]]; then
        echo "make-demo: demo-line.$ext was not written" >&2
        exit 1
    fi
done
"$cli" check demo-line.vtn >/dev/null
echo "make-demo: examples/demo-line.vtn and its side files are written"
