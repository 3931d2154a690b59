#!/usr/bin/env bash
# Installs what the command-line benchmark compares and times with (gettext
# for xgettext, hyperfine), only what is missing.
set -euo pipefail
missing=()
for p in gettext hyperfine time; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" || echo "could not install ${missing[*]}"
fi
