#!/usr/bin/env bash
# Installs the Debian packages the project needs, and any packages named as
# arguments (the benchmarks' peers), only those that are missing.
set -euo pipefail
PACKAGES=("$@"
  cmake g++ ninja-build libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-webengine-dev
  xvfb xauth binutils-mingw-w64-x86-64 cpp
  desktop-file-utils appstream dpkg-dev breeze-icon-theme libqt6svg6
  libgettextpo-dev gettext qt6-translations-l10n libuchardet-dev pkg-config
  libclang-14-dev python3-jsonschema python3-clang-14
  fonts-liberation fonts-crosextra-carlito)
# The proof on Windows (tests/wine): a cross compiler and Wine, without the
# many packages they recommend.
LEAN_PACKAGES=(g++-mingw-w64-x86-64 wine64 wine)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
updated=""
install() {
  local options=("$1")
  shift
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    [ -n "$updated" ] || $SUDO apt-get update -qq
    updated=1
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq ${options[0]:+"${options[@]}"} "${missing[@]}"
  fi
}
install "" "${PACKAGES[@]}"
install --no-install-recommends "${LEAN_PACKAGES[@]}"
