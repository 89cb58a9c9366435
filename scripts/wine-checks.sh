#!/bin/sh
# Runs the Windows checks of a mingw-w64 build (cmake/mingw-w64.cmake) under Wine, in a fresh temporary
# prefix. Started as root, it runs them as the ordinary user clipvane-ci: root opens read-only files
# and folders regardless, and Wine maps Windows attributes and access lists onto Unix permissions.
#   sh scripts/wine-checks.sh [build-windows]
set -eu
build=${1:-build-windows}
user=clipvane-ci
start=$(date +%s)

work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-wine.XXXXXX")
mkdir -p "$work/bin" "$work/home" "$work/prefix"
cp "$build"/tests/*.exe "$work/bin/"
if [ "$(id -u)" = 0 ]; then
    id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    chown -R "$user:" "$work"
    as_user() { runuser -u "$user" -- "$@"; }
else
    as_user() { "$@"; }
fi
wine_env() { # command... : in the check's prefix, without a display, Mono or Gecko
    as_user env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 "$@"
}
cleanup() {
    wine_env wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

if ! wine_env wineboot --init >"$work/wineboot.log" 2>&1; then
    cat "$work/wineboot.log"
    echo "Wine could not create its prefix" >&2
    exit 1
fi
wine_env wineserver -w
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
finished=$(date +%s)
echo "Windows checks under Wine: $passed passed, $failed failed" \
     "(prefix $((booted - start)) s, checks $((finished - booted)) s)"
[ "$failed" = 0 ]
