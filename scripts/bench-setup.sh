#!/usr/bin/env bash
# Installs what the benchmarks need on top of scripts/setup.sh: the peer
# library of parser_bench. Only missing packages are installed.
set -euo pipefail
bash "$(dirname "$0")/setup.sh"
PACKAGES=(libmuparser-dev linux-perf)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
