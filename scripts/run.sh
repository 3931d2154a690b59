#!/usr/bin/env bash
# Sets up, builds and starts the tool.
set -euo pipefail
start="$PWD"
cd "$(dirname "$0")/.."
root="$PWD"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVTQX_TESTS=OFF -DVTQX_BENCH=OFF >/dev/null
cmake --build build --target vtqx
# A file named on the command line is relative to where the user stood.
cd "$start"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$root/build/app/vtqx" "$@"
fi
exec "$root/build/app/vtqx" "$@"
