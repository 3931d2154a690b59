#!/usr/bin/env bash
# Takes the README's pictures (docs/*.png) from the real windows on a virtual
# display. Rerun it whenever the window changes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# A folder of its own: the test build (build/, with sanitizers) stays as it is.
cmake -S . -B build-shots -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVTQX_SANITIZE=OFF -DVTQX_TESTS=OFF -DVTQX_BENCH=OFF >/dev/null
cmake --build build-shots --target vtqx_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  build-shots/docs/screenshots/vtqx_screenshots examples/sample/MainForm.cpp docs
# The first start in German at the scale factors people use: the window
# places itself on the screen at each.
for scale in 1 1.5 2; do
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1280x800x24" \
    build-shots/docs/screenshots/vtqx_screenshots examples/sample/MainForm.cpp docs "first-start-de-x$scale.png"
done
