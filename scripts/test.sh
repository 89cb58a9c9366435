#!/bin/sh
# Builds Clipvane and runs every test: a -Werror build with the package check, the Windows checks
# under Wine, the fuzz targets for a minute each, then the suite under ASan+UBSan and under TSan.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8

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
if [ "${CLIPVANE_SKIP_WINDOWS:-0}" != 1 ]; then
    sh scripts/build-windows.sh build-windows
    sh scripts/wine-checks.sh build-windows
    sh scripts/wine-window-check.sh build-windows
fi

# The Windows installer and portable zip from that build, then install, convert, start and uninstall
# under Wine.
if [ "${CLIPVANE_SKIP_WINDOWS:-0}" != 1 ]; then
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
