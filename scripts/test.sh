#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVTQX_SANITIZE=ON -DVTQX_BENCH=OFF >/dev/null
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
# The count of skipped tests closes the run: each skip says its reason in
# its output (ctest -R NAME -V shows it).
set +e
ctest --output-on-failure -j2 --timeout 600 "$@" 2>&1 | tee ctest.log
rc=${PIPESTATUS[0]}
set -e
skipped=$(grep -c ' (Skipped)$' ctest.log || true)
echo "Skipped tests: $skipped"
grep ' (Skipped)$' ctest.log || true
exit "$rc"
