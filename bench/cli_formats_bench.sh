#!/usr/bin/env bash
# list and check in the formats that write one document, on the 11 MB unit:
# the peak memory against the unit's size, and the time against list in the
# text format, in the same run.
#   bash bench/cli_formats_bench.sh [BUILD_DIR]   (a Release build, default build-rel)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
cmake --build "$build" --target vtqx-cli large_unit >/dev/null
bash scripts/bench-setup.sh
cli="$PWD/$build/cli/vtqx-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/large_unit" "$work"
unit="$work/Large.cpp"
bytes=$(( $(stat -c %s "$work/Large.cpp") + $(stat -c %s "$work/Large.dfm") ))
uptime
runs=()
for args in "list" "list --format json" "check --format sarif" "check --format gcc"; do
  # check exits 1: it finds user text
  peak=$( (/usr/bin/time -f %M $cli $args "$unit" 2>&1 >/dev/null || true) | tail -1)
  out=$($cli $args "$unit" 2>/dev/null | wc -c || true)
  echo "$args: peak memory $((peak / 1024)) MiB, $(awk "BEGIN { printf \"%.1f\", $peak * 1024 / $bytes }") x the unit ($bytes bytes); $out bytes written"
  runs+=("$cli $args $unit")
done
hyperfine --warmup 1 --runs 5 --ignore-failure "${runs[@]}"
