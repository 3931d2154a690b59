#!/usr/bin/env bash
# Installs what the benchmarks need on top of the project's packages: the
# parser benchmark's peer (muparser), perf, and what the command-line
# benchmark compares and times with (xgettext, hyperfine, time).
set -euo pipefail
bash "$(dirname "$0")/setup.sh" libmuparser-dev linux-perf gettext hyperfine time
