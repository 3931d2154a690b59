#!/usr/bin/env bash
# Builds the Debian package from a Release build (build-rel/vtqx_*.deb) and
# checks it: its file list, its dependencies, and that the unpacked program
# starts. Install it with: apt install ./build-rel/vtqx_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DVTQX_TESTS=OFF -DVTQX_BENCH=OFF -DVTQX_EXAMPLES=OFF >/dev/null
cmake --build build-rel
rm -f build-rel/vtqx_*.deb
(cd build-rel && cpack -G DEB >/dev/null)
deb=$(echo build-rel/vtqx_*.deb)
echo "package: $deb"

fail=0
check() { # message, command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vtqx ./usr/bin/vtqx-cli \
         ./usr/share/applications/org.varnosel.vtqx.desktop \
         ./usr/share/metainfo/org.varnosel.vtqx.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.varnosel.vtqx.svg \
         ./usr/share/doc/vtqx/examples/sample/MainForm.cpp \
         ./usr/share/doc/vtqx/examples/sample/MainForm.h \
         ./usr/share/doc/vtqx/examples/sample/MainForm.dfm \
         ./usr/share/doc/vtqx/examples/plotter/main.cpp \
         ./usr/share/doc/vtqx/examples/html/main.cpp; do
  check "contains $f" grep -qxF "$f" <<<"$files"
done
check "nothing outside /usr" bash -c '! grep -v "^\./usr/\|^\./$" <<<"$1"' _ "$files"
check "no libraries or headers" bash -c '! grep -E "\.(a|so|h)$" <<<"$1" | grep -v /examples/' _ "$files"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for d in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6 breeze-icon-theme; do
  check "depends on $d" grep -qxF "$d" <<<"$names"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
check "all libraries found" bash -c '! ldd "$1/usr/bin/vtqx" | grep -q "not found"' _ "$root"
version=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/vtqx" --version)
echo "vtqx --version: $version"
check "vtqx --version" grep -qx "Varnosel Tessaro Tool [0-9.]*" <<<"$version"
check "vtqx-cli starts" "$root/usr/bin/vtqx-cli" --version
check "desktop entry validates" desktop-file-validate "$root/usr/share/applications/org.varnosel.vtqx.desktop"
check "metainfo validates" appstreamcli validate --no-net "$root/usr/share/metainfo/org.varnosel.vtqx.metainfo.xml"
exit $fail
