#!/bin/sh
# The real Windows program under Wine, in a real X server (Xvfb, openbox), driven with real clicks and
# keys: the 405 x 284 main window, a second start handing over to the first, Ctrl+P and its profile
# menu, "Convert..." with three files and the fake encoder (two convert, the third is named as
# failed), and Exit writing settings.ini under %APPDATA%. Screenshots go to SHOTS when it is set.
#   sh scripts/wine-window-check.sh [build-windows]
set -eu
build=$(cd "${1:-build-windows}" && pwd)
. "$(dirname "$0")/wine-prefix.sh"
shots=${SHOTS:-}
[ -z "$shots" ] || mkdir -p "$shots"

step() { echo "-- $*"; }
fail() {
    echo "FAIL: $*"
    [ -z "$shots" ] || import -display "$WINE_DISPLAY" -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}
shot() { [ -z "$shots" ] || import -display "$WINE_DISPLAY" -window root "$shots/$1.png"; }
x() { DISPLAY=$WINE_DISPLAY xdotool "$@"; }
# Waits up to $1 seconds for `xdotool search` with the rest of the arguments to find a window.
find_window() {
    seconds=$1
    shift
    end=$(($(date +%s) + seconds))
    while [ "$(date +%s)" -le "$end" ]; do
        found=$(x search "$@" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}

# A display of our own, on a free number.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
xvfb=$!
WINE_DISPLAY=:$number
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
DISPLAY=$WINE_DISPLAY openbox >"$work/openbox.log" 2>&1 &
openbox=$!
trap 'kill $openbox $xvfb 2>/dev/null || true; wine_cleanup' EXIT

wine_prefix_boot

# Three inputs, one of which the fake encoder fails; outputs go to their own folder.
mkdir -p "$work/in" "$work/out"
for name in first second bad-third; do printf 'input %s\n' "$name" >"$work/in/$name.wav"; done
chown -R "$(stat -c %u "$work")" "$work/in" "$work/out"
appdata=$work/prefix/drive_c/users/$(as_user id -un)/AppData/Roaming
settings=$appdata/Tarvix/Clipvane/settings.ini
as_user mkdir -p "$(dirname "$settings")"
# The profile box holds a hand-made line whose arguments script the fake encoder.
printf '[Options]\r\nOutputDirectory=%s\\\r\nOutputFormat=%s\r\nSameInput=0\r\nAnotherFFmpeg=%s\r\nNotUseAnotherFFmpeg=0\r\n' \
    "$(windows_path "$work/out")" \
    'ffmpeg -i %1 --duration 00:00:02.00 --time 00:00:01.00 --sleep 1500 --time 00:00:02.00 --fail-on bad %1.mp3' \
    "$(windows_path "$build/tests/fake_encoder.exe")" | as_user tee "$settings" >/dev/null

app=$build/src/app/clipvane.exe
start_app() { # the program with the real Windows platform plugin (Wine passes no QT_* variable on)
    wine_env WINEPATH="$(wine_dll_path "$build")" wine "$app" -platform windows >>"$work/app.log" 2>&1
}

step "first start shows the main window"
WINE_DISPLAY=$WINE_DISPLAY start_app &
app_pid=$!
main=$(find_window 60 --onlyvisible --name '^Tarvix Clipvane$') || fail "no main window"
sleep 1
size=$(x getwindowgeometry "$main" | sed -n 's/ *Geometry: //p')
[ "$size" = 405x284 ] || fail "the main window is $size, not 405x284"
shot main

step "a second start hands over and ends; the first comes forward"
x windowminimize --sync "$main" || true
WINE_DISPLAY=$WINE_DISPLAY start_app || fail "the second start failed"
sleep 2
count=$(x search --onlyvisible --name '^Tarvix Clipvane$' | wc -l)
[ "$count" = 1 ] || fail "$count main windows after the second start"
[ "$(x getactivewindow)" = "$main" ] || fail "the first window did not come forward"

step "Ctrl+P pops up the profile menu"
before=$(x search --onlyvisible --name '' | wc -l)
x windowactivate --sync "$main" key ctrl+p
sleep 1
after=$(x search --onlyvisible --name '' | wc -l)
[ "$after" -gt "$before" ] || fail "no menu appeared"
shot menu
# The menu opens on the current profile, its group's menu too: one Escape closes each level.
x key Escape
sleep 0.3
x key Escape
for _ in $(seq 20); do
    [ "$(x search --onlyvisible --name '' | wc -l)" -le "$before" ] && break
    sleep 0.2
done

step "Convert... with three files"
x mousemove --window "$main" 174 259 click 1
dialog=$(find_window 30 --onlyvisible --name '^Select one or more') || fail "no file dialog"
sleep 1
shot file-dialog
x windowactivate --sync "$dialog" type --delay 20 "$(windows_path "$work/in")"
x key Return
sleep 1
x type --delay 20 '"first.wav" "second.wav" "bad-third.wav"'
x key Return
batch=$(find_window 20 --onlyvisible --name '^Tarvix Clipvane \(') || fail "no batch window"
sleep 0.5
shot batch
message=
end=$(($(date +%s) + 60))
while [ -z "$message" ] && [ "$(date +%s)" -le "$end" ]; do
    message=$(x search --onlyvisible --name '^Tarvix Clipvane$' 2>/dev/null | grep -v "^$main\$" | head -n 1 || true)
    sleep 0.3
done
[ -n "$message" ] || fail "no failure message"
shot failure-message
[ -f "$work/out/first.mp3" ] && [ -f "$work/out/second.mp3" ] || fail "the two good files were not converted: $(ls -a "$work/out")"
[ ! -e "$work/out/bad-third.mp3" ] || fail "the failed file left an output"
x windowactivate --sync "$message" key Return
sleep 1

step "Exit writes the settings"
: >"$work/stamp"
x mousemove --window "$main" 362 259 click 1
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
! kill -0 "$app_pid" 2>/dev/null || fail "the program did not end after Exit"
[ "$settings" -nt "$work/stamp" ] || fail "settings.ini was not written at Exit"
grep -q '^OutputFormat=ffmpeg -i %1 ' "$settings" || fail "settings.ini lost the profile"
echo "Windows program under Wine: main window, hand-over, menu, batch and settings as expected"
