#!/bin/sh
# Builds Clipvane and runs every test: a -Werror build with the package check, the Windows checks
# under Wine, the fuzz targets for a minute each, then the suite under ASan+UBSan and under TSan.
set -eu
cd "$(dirname "$0")/.."
[ "$(id -u)" != 0 ] || sh scripts/install-test-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
# Several builds of the same sources (normal, Windows, sanitizers) share what they can through ccache,
# keyed on paths relative to the checkout so that another clone of the same commit hits too.
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$(pwd)" CCACHE_NOHASHDIR=1
fi

# On a new machine, Qt and FFmpeg for Windows take the longest: build them (once, cached) beside the
# Linux build and tests, whose waits leave the cores idle now and then.
windows=0
[ "${CLIPVANE_SKIP_WINDOWS:-0}" = 1 ] || windows=1
if [ $windows = 1 ]; then
    mkdir -p build-windows-deps
    (sh scripts/build-windows-qt.sh && sh scripts/build-windows-ffmpeg.sh) >build-windows-deps/build.log 2>&1 &
    deps=$!
fi

build() { # dir, extra cmake arguments...
    dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLIPVANE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

build build-ci
cmake --build build-ci --target format-check
ctest --test-dir build-ci --output-on-failure --no-tests=error -j "$jobs"
sh scripts/check-package.sh build-ci

# The Windows side: Qt for Windows built once from Debian's source (cached), then the program, its tests
# and checks cross-built from the same lists with mingw-w64 and run under Wine, and the real window
# driven under Xvfb.
if [ $windows = 1 ]; then
    if ! wait $deps; then
        tail -n 60 build-windows-deps/build.log
        echo "test: building Qt or FFmpeg for Windows failed" >&2
        exit 1
    fi
    sh scripts/build-windows.sh build-windows
    sh scripts/wine-checks.sh build-windows
    sh scripts/wine-window-check.sh build-windows
fi

# The Windows installer and portable zip from that build, then install, convert, start and uninstall
# under Wine.
if [ $windows = 1 ]; then
    sh scripts/package-windows.sh build-windows
    sh scripts/wine-install-check.sh build-windows
fi

# The fuzz targets (libFuzzer, ASan+UBSan), a minute each.
if [ "${CLIPVANE_SKIP_FUZZ:-0}" != 1 ]; then
    sh bench/fuzz/run.sh 60
fi

if [ "${CLIPVANE_SKIP_SANITIZERS:-0}" != 1 ]; then
    build build-asan -DCLIPVANE_SANITIZE=address -DCLIPVANE_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"
    build build-tsan -DCLIPVANE_SANITIZE=thread -DCLIPVANE_BUILD_BENCH=OFF
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(pwd)/tests/tsan.supp" \
        ctest --test-dir build-tsan --output-on-failure --no-tests=error -j "$jobs"
fi
