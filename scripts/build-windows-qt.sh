#!/bin/sh
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with mingw-w64 (posix threads), with
# Debian's installed Qt as the host Qt for moc, rcc and uic, and installs it into a cache folder named
# for the Qt version and a hash of everything that shapes the result (this script, the compiler, the
# host Qt and the source package's version), so a change of any of them builds anew:
#   /var/cache/clipvane/ as root, else ${XDG_CACHE_HOME:-~/.cache}/clipvane/
# Prints the install folder on its last line. A present cache costs a second.
#   sh scripts/build-windows-qt.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
version=6.4.2
if [ "$(id -u)" = 0 ] && ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        g++-mingw-w64-x86-64-posix ninja-build dpkg-dev >&2
fi
# The host Qt's package version is also the version of the qt6-base source apt-get fetches.
hostqt=$(dpkg-query -W -f '${Version}' qt6-base-dev-tools 2>/dev/null || echo none)
hash=$({
    cat "$here/build-windows-qt.sh"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
    echo "$hostqt"
} | sha256sum | cut -c1-12)
if [ "$(id -u)" = 0 ]; then cache=/var/cache/clipvane; else cache=${XDG_CACHE_HOME:-$HOME/.cache}/clipvane; fi
prefix=$cache/qt-$version-mingw-$hash
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# The source: Debian's qt6-base, from a deb-src entry for the suite the machine runs.
if ! apt-get source --download-only qt6-base >"$work/source.log" 2>&1; then
    if [ "$(id -u)" != 0 ]; then
        cat "$work/source.log" >&2
        echo "build-windows-qt: apt-get source qt6-base failed; a deb-src entry is needed (run as root once)" >&2
        exit 1
    fi
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat >/etc/apt/sources.list.d/clipvane-src.sources <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update -q >&2
    apt-get source --download-only qt6-base >&2
fi
tar -xf qt6-base_$version*.orig.tar.xz
src=$(find . -maxdepth 1 -type d -name 'qtbase*' | head -n 1)

mkdir -p "$prefix"
# The chain-loaded toolchain file lives in the install, which refers to it by absolute path.
cat >"$prefix/mingw-w64-posix.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# Off: what the +dfsg tarball lacks (wintab, sqlite), what the program does not use (modules,
# widgets, image formats, rich-text writers: each one is build time on a cold machine), and every
# system library, so nothing of the Linux host leaks into a Windows build.
cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-posix.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no \
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_directwrite3=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_textodfwriter=OFF \
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_gif=OFF -DFEATURE_movie=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_mdiarea=OFF \
    -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF \
    -DFEATURE_undogroup=OFF -DFEATURE_undoview=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF \
    -DFEATURE_wizard=OFF -DFEATURE_pdf=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Libb2=ON -DCMAKE_DISABLE_FIND_PACKAGE_WrapSystemMd4c=ON >&2
cmake --build build -j "$(nproc)" >&2
cmake --install build >&2
touch "$prefix/.complete"
echo "$prefix"
