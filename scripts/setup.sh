#!/usr/bin/env bash
# Installs the Debian packages the project needs, and any packages named as
# arguments (the benchmarks' peers), only those that are missing.
set -euo pipefail
PACKAGES=("$@"
  cmake g++ ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-webengine-dev
  xvfb xauth binutils-mingw-w64-x86-64 cpp
  desktop-file-utils appstream dpkg-dev breeze-icon-theme libqt6svg6
  libgettextpo-dev gettext qt6-translations-l10n
  libclang-14-dev python3-jsonschema)
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
