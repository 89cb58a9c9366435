#!/bin/sh
# Runs the Windows checks of a mingw-w64 build (cmake/mingw-w64.cmake) under Wine, in a fresh temporary
# prefix as an ordinary user (scripts/wine-prefix.sh), and with a Windows Qt (scripts/build-windows.sh)
# every Qt test program too, offscreen.
#   sh scripts/wine-checks.sh [build-windows]
set -eu
build=${1:-build-windows}
source=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
# A Windows user whose name is not ASCII: the temporary folder every test and check works in holds it.
WINE_USER=${WINE_USER:-"José Ñ"}
. "$(dirname "$0")/wine-prefix.sh"
mkdir -p "$work/bin"
cp "$build"/tests/*_check.exe "$build"/tests/fake_encoder.exe "$work/bin/"
chown -R "$(stat -c %u "$work")" "$work/bin"
wine_prefix_boot
booted=$(date +%s)

# Wine's default locale, and two whose ANSI code pages (932, 1252) differ from it or from each other: a
# name that passes through the ANSI code page anywhere loses characters in one of them.
locales="C.UTF-8 ja_JP.UTF-8 de_DE.UTF-8"
for lang in $locales; do
    locale -a | grep -qix "$(echo "$lang" | sed 's/UTF-8/utf8/')" || {
        echo "the locale $lang is missing (scripts/install-deps.sh generates it)" >&2
        exit 1
    }
done

passed=0
failed=0
for lang in $locales; do
for check in "$work"/bin/*_check.exe; do
    echo "== $(basename "$check") ($lang)"
    # A file, not a pipe: a child the check failed to end would hold a pipe open until the prefix goes.
    wine_env env LANG="$lang" LC_ALL="$lang" timeout 300 wine "$check" >"$work/raw.txt" 2>&1 || true
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

# clipvane-cli.exe with names in several scripts, in each locale, through the fake encoder: the names
# reach it whole (it records the arguments it got in each output), the outputs are named whole, and
# the failed file is named whole in the --machine lines, which are UTF-8.
cli=$build/src/cli/clipvane-cli.exe
if [ -f "$build/windows-dll-path.txt" ] && [ -f "$cli" ]; then
    winepath=$(wine_dll_path "$build")
    names='Música/vídeo ñ
Рабочий стол/файл
Ωμέγα
東京の動画/夏 休み
🎬 clip'
    for lang in $locales; do
        echo "== clipvane-cli.exe ($lang)"
        in=$work/cli-$lang/in
        out=$work/cli-$lang/out
        log=$work/cli-$lang/журнал-東京.log # the fake encoder's own file, named whole too
        set --
        while IFS= read -r name; do
            mkdir -p "$(dirname "$in/$name")"
            printf 'input\n' >"$in/$name.wav"
            set -- "$@" "$(windows_path "$in/$name.wav")"
        done <<NAMES
$names
NAMES
        chown -R "$(stat -c %u "$work")" "$work/cli-$lang"
        wine_env env LANG="$lang" LC_ALL="$lang" WINEPATH="$winepath" timeout 300 wine "$cli" --machine \
            --ffmpeg "$(windows_path "$build/tests/fake_encoder.exe")" -o "$(windows_path "$out")" \
            -p "ffmpeg -i %1 --duration 00:00:01.00 --time 00:00:01.00 --write-args --log $(windows_path "$log") start --only-for Ωμέγα --err-output :refused --exit 1 %1.mp3" "$@" \
            >"$work/cli.txt" 2>"$work/cli-err.txt" && code=0 || code=$?
        tr -d '\r' <"$work/cli.txt" >"$work/cli-out.txt"
        bad=
        [ "$code" = 1 ] || bad="exit $code, not 1"
        [ "$(grep -c '^start ' "$log" 2>/dev/null)" = 5 ] || bad="$bad; the encoders' log is missing or short"
        while IFS= read -r name; do
            base=$(basename "$name")
            if [ "$base" = Ωμέγα ]; then
                [ ! -e "$out/$base.mp3" ] || bad="$bad; the failed file left an output"
                grep -qF "reason $base.wav $(windows_path "$out/$base.mp3"):refused" "$work/cli-out.txt" ||
                    bad="$bad; no reason line naming $base.wav"
            elif ! tr -d '\r' <"$out/$base.mp3" 2>/dev/null | grep -qxF "arg:$(windows_path "$in/$name.wav")"; then
                bad="$bad; $base.mp3 missing or its encoder did not get $name.wav whole"
            fi
        done <<NAMES
$names
NAMES
        if [ -n "$bad" ]; then
            cat "$work/cli-out.txt" "$work/cli-err.txt"
            echo "FAIL clipvane-cli.exe ($lang): $bad"
            failed=$((failed + 1))
        else
            echo "PASS clipvane-cli.exe ($lang): five names in five scripts converted or named whole"
            passed=$((passed + 1))
        fi
    done
fi
finished=$(date +%s)
echo "Windows tests under Wine: $passed passed, $failed failed"
echo "(prefix $((booted - start)) s, checks $((checked - booted)) s, Qt tests $((finished - checked)) s)"
[ "$failed" = 0 ]
