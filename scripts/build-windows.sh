#!/bin/sh
# Builds everything the Linux configure builds as Windows programs, with mingw-w64 (posix threads)
# against the Windows Qt from scripts/build-windows-qt.sh (made first when its cache lacks it):
# DIR/src/app/clipvane.exe, DIR/src/cli/clipvane-cli.exe, the tests, the checks and the fake encoder.
#   sh scripts/build-windows.sh [DIR]        (default build-windows)
# CLIPVANE_WINDOWS_BUILD_TYPE picks the build type (default RelWithDebInfo).
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
qt=$(sh scripts/build-windows-qt.sh | tail -n 1)
cmake -S . -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE="${CLIPVANE_WINDOWS_BUILD_TYPE:-RelWithDebInfo}" \
    -DCLIPVANE_BASE_ONLY=OFF -DCLIPVANE_BUILD_BENCH=OFF -DCLIPVANE_WERROR=ON >/dev/null
cmake --build "$dir" -j "$(nproc)"
# Where the runners find Qt and the compiler's runtime DLLs (scripts/wine-checks.sh reads it).
{
    echo "$qt/bin"
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
    dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)"
} >"$dir/windows-dll-path.txt"
# Offscreen, Qt on Windows reads fonts only from its library folder's fonts/ (Wine passes no
# QT_QPA_FONTDIR on): the tests' qt.conf points that folder at DejaVu Sans, the face Linux tests use.
mkdir -p "$dir/tests/fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
    "$dir/tests/fonts/"
# And a face for the Chinese and Japanese catalogs, which DejaVu has no glyphs for.
cjk=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
[ ! -f "$cjk" ] || cp "$cjk" "$dir/tests/fonts/"
printf '[Paths]\r\nPrefix=Z:%s\r\nLibraries=Z:%s\r\n' "$qt" "$(cd "$dir/tests" && pwd)" >"$dir/tests/qt.conf"
