#!/usr/bin/env bash
# Every shared unit extracted by vtqx-cli in each mode, user text and all,
# then lexed by libclang before and after: only whole string literals may
# change, each into the expression that names its entry. A second run over
# the rewritten units must give no number twice.
#   extract_check.sh VTQX_CLI UNITS_DIR      (exit 77: skipped)
set -euo pipefail
cli=$1 units=$2
py=/usr/bin/python3
if [ ! -d "$units" ]; then echo "no shared units at $units: skipped"; exit 77; fi
if ! "$py" -c 'import clang.cindex' 2>/dev/null; then echo "python3-clang-14 is not installed: skipped"; exit 77; fi
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$units" "$work/in"
# The copies are rewritten in place below: writable, as a user's own units are
# (extract refuses a read-only source).
chmod -R u+w "$work/in"
for mode in global form function; do
  for chosen in --user-text --all; do
    "$cli" extract --mode "$mode" "$chosen" --root Main --class TMain --out "$work/$mode$chosen" "$work/in" >/dev/null
    echo "$mode $chosen:"
    "$py" "$here/token_check.py" "$work/in" "$work/$mode$chosen"
  done
done
"$cli" extract --mode function --all --extract-c --root Main --class TMain --out "$work/c" "$work/in" >/dev/null
echo "function --all --extract-c:"
"$py" "$here/token_check.py" "$work/in" "$work/c"
# In place twice: the second run continues every list.
"$cli" extract --mode function --user-text --root Main --class TMain "$work/in" >/dev/null
"$cli" extract --mode function --all --reuse-equal --root Main --class TMain "$work/in" >/dev/null
"$py" - "$work/in" <<'PY'
import os, re, sys
numbers = []
for root, _, files in os.walk(sys.argv[1]):
    for f in files:
        if f.endswith('.list.txt') and not f.endswith('.dfm.list.txt'):
            for line in open(os.path.join(root, f), encoding='utf-8', errors='replace').read().splitlines():
                if line.strip():
                    numbers.append(int(re.sub(r'\D', '', line.split(',')[0])))
twice = len(numbers) - len(set(numbers))
print(f'second run: {len(numbers)} numbers, {twice} given twice')
sys.exit(1 if twice else 0)
PY
