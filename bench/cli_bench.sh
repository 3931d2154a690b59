#!/usr/bin/env bash
# The command-line benchmark: vtqx-cli extract --mode function --user-text
# (the lexer and the proof included) on a 5.9 MB unit and on a unit of
# repeated short texts, each against xgettext --extract-all on the same file
# in the same run; the peak memory; 300 copies of a real unit with one and
# with two threads, against xgettext --extract-all over the same files.
#   bash bench/cli_bench.sh [BUILD_DIR]   (a Release build, default build-rel)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
cmake --build "$build" --target vtqx-cli large_unit >/dev/null
bash scripts/bench-setup.sh
cli="$PWD/$build/cli/vtqx-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/large" "$work/repeat"
# As many user texts as string identifiers hold (65,435 from 101 on):
# extract refuses a unit that would need more.
"$build/bench/large_unit" "$work/large" 54000
"$build/bench/large_unit" "$work/repeat" 43000 repeat
uptime
timing() { # RUNS COMMAND...
  local runs=$1; shift
  hyperfine --warmup 1 --runs "$runs" "$@"
}
for unit in large/Large repeat/Repeat; do
  bytes=$(stat -c %s "$work/$unit.cpp")
  extract="$cli extract --mode function --user-text --out $work/out $work/$unit.cpp"
  peak=$(/usr/bin/time -f %M $extract 2>&1 >/dev/null | tail -1)
  echo "$unit: $bytes bytes, peak memory $((peak / 1024)) MiB, $(awk "BEGIN { printf \"%.1f\", $peak * 1024 / $bytes }") x the unit"
  # xgettext warns about every empty literal: its messages go nowhere.
  timing 3 "$extract" "xgettext --extract-all -L C++ -o $work/x.pot $work/$unit.cpp 2>/dev/null"
done

unit=${VTQX_BENCH_UNIT:-../shared/units/kasse/VerkaufFrm}
copies=${VTQX_BENCH_COPIES:-300}
if [ -f "$unit.cpp" ]; then
  for i in $(seq 1 "$copies"); do
    mkdir -p "$work/copies/$i"
    for ext in cpp h dfm; do cp "$unit.$ext" "$work/copies/$i/Unit$i.$ext"; done
  done
  chmod -R u+w "$work/copies"
  find "$work/copies" -name '*.cpp' | sort > "$work/copies.txt"
  # The unit is in Windows-1252, which xgettext must be told.
  # Each run writes a fresh folder: --out into a folder already written
  # would find the lists of the run before.
  timing 5 --prepare "rm -rf $work/o1 $work/o2" \
           "$cli extract --mode function --jobs 1 --out $work/o1 $work/copies" \
           "$cli extract --mode function --jobs 2 --out $work/o2 $work/copies" \
           "xgettext --extract-all -L C++ --from-code=CP1252 -o $work/c.pot -f $work/copies.txt 2>/dev/null"
  echo "units per second: $copies / the mean time of each"
else
  echo "no real unit at $unit: the copies are skipped"
fi
