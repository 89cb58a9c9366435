#!/bin/sh
# Runs the Windows checks of a mingw-w64 build (cmake/mingw-w64.cmake) under Wine, in a fresh temporary
# prefix as an ordinary user (scripts/wine-prefix.sh), and with a Windows Qt (scripts/build-windows.sh)
# every Qt test program too, offscreen.
#   sh scripts/wine-checks.sh [build-windows]
set -eu
build=${1:-build-windows}
source=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
. "$(dirname "$0")/wine-prefix.sh"
mkdir -p "$work/bin"
cp "$build"/tests/*_check.exe "$build"/tests/fake_encoder.exe "$work/bin/"
chown -R "$(stat -c %u "$work")" "$work/bin"
wine_prefix_boot
booted=$(date +%s)

passed=0
failed=0
for check in "$work"/bin/*_check.exe; do
    echo "== $(basename "$check")"
    # A file, not a pipe: a child the check failed to end would hold a pipe open until the prefix goes.
    wine_env timeout 300 wine "$check" >"$work/raw.txt" 2>&1 || true
    tr -d '\r' <"$work/raw.txt" >"$work/out.txt" # the checks write text mode: CR LF
    cat "$work/out.txt"
    summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$work/out.txt" | tail -n 1 || true)
    if [ -z "$summary" ]; then
        echo "FAIL $(basename "$check") ended without its summary"
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + ${summary%% *}))
    rest=${summary#*, }
    failed=$((failed + ${rest%% *}))
done
checked=$(date +%s)

# The Qt test programs, from the build tree (their fake encoder path points there), finding Qt and the
# runtime DLLs through WINEPATH. Wine passes no QT_* variable on, hence the arguments; Qt Test writes
# nothing to a Wine console, hence -o.
if [ -f "$build/windows-dll-path.txt" ]; then
    winepath=$(wine_dll_path "$build")
    for test in "$build"/tests/tst_*.exe; do
        name=$(basename "$test" .exe)
        echo "== $name"
        # Only an application with a GUI takes -platform; Qt Test refuses options it does not know.
        platform="-platform offscreen"
        grep -q QTEST_GUILESS_MAIN "$source/tests/$name.cpp" && platform=
        wine_env WINEPATH="$winepath" timeout 300 wine "$test" $platform \
            -o "Z:$work/$name.txt,txt" >"$work/raw.txt" 2>&1 || true
        tr -d '\r' <"$work/$name.txt" 2>/dev/null | grep -vE '^(PASS|QDEBUG|QINFO) ' || true
        totals=$(tr -d '\r' <"$work/$name.txt" 2>/dev/null | grep -E '^Totals: ' | tail -n 1 || true)
        if [ -z "$totals" ]; then
            tr -d '\r' <"$work/raw.txt" | tail -n 20
            echo "FAIL $name ended without its totals"
            failed=$((failed + 1))
            continue
        fi
        set -- $(echo "$totals" | sed 's/[^0-9 ]//g')
        passed=$((passed + $1))
        failed=$((failed + $2))
    done
fi
finished=$(date +%s)
echo "Windows tests under Wine: $passed passed, $failed failed"
echo "(prefix $((booted - start)) s, checks $((checked - booted)) s, Qt tests $((finished - checked)) s)"
[ "$failed" = 0 ]
