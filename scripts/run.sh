#!/usr/bin/env bash
# Sets up, builds and starts the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVTQX_TESTS=OFF -DVTQX_BENCH=OFF >/dev/null
cmake --build build --target vtqx
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/app/vtqx "$@"
fi
exec build/app/vtqx "$@"
