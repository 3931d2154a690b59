#!/usr/bin/env bash
# The command-line benchmark: vtqx-cli extract --mode function on the large
# unit against xgettext --extract-all on the same file, its peak memory, and
# 200 copies of a real unit with one and with two threads.
#   bash bench/cli_bench.sh [BUILD_DIR]   (a Release build, default build-rel)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
cmake --build "$build" --target vtqx-cli large_unit >/dev/null
bash scripts/bench-setup.sh
cli="$PWD/$build/cli/vtqx-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/large"
"$build/bench/large_unit" "$work/large"
bytes=$(stat -c %s "$work/large/Large.cpp")
extract="$cli extract --mode function --out $work/out $work/large/Large.cpp"
uptime
# Peak memory of one unit (several units in parallel add up).
peak=$(/usr/bin/time -f %M $extract 2>&1 >/dev/null | tail -1)
echo "peak memory: $((peak / 1024)) MiB, $(awk "BEGIN { printf \"%.1f\", $peak * 1024 / $bytes }") x the unit's $bytes bytes"
# Wall and CPU time (user + system) of each command.
timing() { # RUNS COMMAND
  if command -v hyperfine >/dev/null; then
    hyperfine --warmup $(($1 > 2 ? 1 : 0)) --runs "$1" "$2"
  else
    for _ in $(seq 1 "$1"); do /usr/bin/time -f "%e s wall, %U s user, %S s system" bash -c "$2" >/dev/null; done
  fi
}
timing 5 "$extract"
if command -v xgettext >/dev/null; then
  # It warns about every empty literal; two runs (each takes minutes).
  timing 2 "xgettext --extract-all -L C++ -o $work/x.pot $work/large/Large.cpp 2>/dev/null"
else
  echo "xgettext is not installed: the comparison is skipped"
fi

unit=${VTQX_BENCH_UNIT:-../shared/units/kasse/VerkaufFrm}
if [ -f "$unit.cpp" ]; then
  for i in $(seq 1 200); do
    mkdir -p "$work/copies/$i"
    for ext in cpp h dfm; do cp "$unit.$ext" "$work/copies/$i/Unit$i.$ext"; done
  done
  timing 5 "$cli extract --mode function --jobs 1 --out $work/o1 $work/copies"
  timing 5 "$cli extract --mode function --jobs 2 --out $work/o2 $work/copies"
  echo "units per second: 200 / the mean time of each"
else
  echo "no real unit at $unit: the copies are skipped"
fi
