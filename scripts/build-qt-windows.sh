#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine, from Debian's own qt6-base source (the same
# version as the Linux build's Qt and its moc, rcc and uic, which the cross build uses), with
# Debian's MinGW-w64: Core, Gui, Widgets and Test, the Windows and offscreen platforms and the
# Windows styles, linked statically, so that the program is one .exe that needs only Windows'
# own DLLs. Qt's licence texts and copyright notices go beside it, for the packages that carry it.
#
# Installs into a fixed folder outside the repository (RODALEQUE_QT_WINDOWS, by default
# /opt/rodaleque/qt-6.4.2-mingw64) and writes there a stamp of its recipe (the source version,
# the toolchain file and the options below): a later run with the same recipe does nothing, a
# changed recipe builds again. Prints the folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."

versao=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
destino=${RODALEQUE_QT_WINDOWS:-/opt/rodaleque/qt-${versao%%+*}-mingw64}

# Debian's source leaves out the Wintab headers (their licence), hence no tablet events.
# direct2d stays on because the DirectWrite font database links against it. OpenGL is off as
# an input, which also turns off its dynamic loading on Windows.
opcoes=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
)
receita=$(printf '%s\n' "$versao" "${opcoes[@]}" | cat - cmake/mingw-w64.cmake | sha256sum | cut -d' ' -f1)

pronto() { [ "$(cat "$destino/receita" 2>/dev/null)" = "$receita" ] && [ -f "$destino/licencas/copyright" ]; }
if pronto; then
  echo "$destino"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
trabalho=$(mktemp -d "${TMPDIR:-/var/tmp}/qt-windows.XXXXXX")
trap 'rm -rf "$trabalho"' EXIT
inicio=$(date +%s)

# --- Debian's source, with apt's own client and a source list of our own -------------------
# The machine's apt configuration is left alone: the list, its index and the cache are ours.
# apt checks every downloaded file against the index, which Debian's archive key signs; the
# .dsc's own signature would need Debian's developer keyring, hence --no-check below.
mkdir -p "$trabalho/apt/lists/partial" "$trabalho/apt/cache/archives/partial" "$trabalho/fonte"
espelho=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
espelho=${espelho:-http://deb.debian.org/debian}
codinome=$(. /etc/os-release && echo "$VERSION_CODENAME")
chave=/usr/share/keyrings/debian-archive-keyring.gpg
cat >"$trabalho/apt/sources.list" <<LISTA
deb-src [signed-by=$chave] $espelho $codinome main
deb-src [signed-by=$chave] $espelho $codinome-updates main
deb-src [signed-by=$chave] ${espelho%/debian}/debian-security $codinome-security main
LISTA
apt_proprio=(
  -o Dir::Etc::SourceList="$trabalho/apt/sources.list"
  -o Dir::Etc::SourceParts=/nonexistent
  -o Dir::State::Lists="$trabalho/apt/lists"
  -o Dir::Cache="$trabalho/apt/cache"
  -o APT::Sandbox::User=root
)
apt-get "${apt_proprio[@]}" update -qq
(cd "$trabalho/fonte" && apt-get "${apt_proprio[@]}" source --download-only -qq "qt6-base=$versao")
(cd "$trabalho/fonte" && dpkg-source --no-check -x ./*.dsc qtbase >/dev/null 2>&1)
echo "qt-windows: Debian's qt6-base $versao unpacked ($(($(date +%s) - inicio)) s)" >&2

# --- configure straight into the final folder, build, install -------------------------------
# The installed Qt remembers its prefix and its toolchain file, so both are final from the start.
if [ "$(cat "$destino/receita" 2>/dev/null)" != "$receita" ]; then
  "${sudo[@]}" rm -rf "$destino"
  "${sudo[@]}" mkdir -p "$destino"
  "${sudo[@]}" chown "$(id -u):$(id -g)" "$destino"
  cp cmake/mingw-w64.cmake "$destino/mingw-w64.cmake"
  cmake -S "$trabalho/fonte/qtbase" -B "$trabalho/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$destino/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$destino" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${opcoes[@]}" >"$trabalho/configure.log" 2>&1 ||
    { tail -40 "$trabalho/configure.log" >&2; exit 1; }
  cmake --build "$trabalho/build" -j"$(nproc)" >"$trabalho/build.log" 2>&1 ||
    { grep -A20 -m3 'FAILED' "$trabalho/build.log" >&2; exit 1; }
  cmake --install "$trabalho/build" >/dev/null
  echo "$receita" >"$destino/receita"
fi
# The licence texts, and Debian's account of whose copyright each part of the source is.
rm -rf "$destino/licencas"
cp -r "$trabalho/fonte/qtbase/LICENSES" "$destino/licencas"
cp "$trabalho/fonte/qtbase/debian/copyright" "$destino/licencas/copyright"

echo "qt-windows: ready in $(($(date +%s) - inicio)) s, $(du -sh "$destino" | cut -f1) installed" >&2
echo "$destino"
