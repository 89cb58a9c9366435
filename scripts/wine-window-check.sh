#!/bin/sh
# The real Windows program under Wine, in a real X server (Xvfb, openbox), driven with real clicks and
# keys: the 405 x 284 main window, a second start handing over to the first, Ctrl+P and its profile
# menu, "Convert..." with three files and the fake encoder (two convert, the third is named as
# failed), and Exit writing settings.ini under %APPDATA%. Then, for a user named "José Ñ" in three
# locales, names in several scripts typed into the dialogs: the bundled ffmpeg.exe chosen with "Use
# another FFmpeg", a new output folder typed into its box, a file picked in the file dialog and
# converted, both choices kept through Exit and a new start. Screenshots go to SHOTS when it is set.
#   sh scripts/wine-window-check.sh [build-windows]
set -eu
build=$(cd "${1:-build-windows}" && pwd)
# Not ASCII, and not all of it in one ANSI code page: the profile folder is C:\users\José Ñ.
WINE_USER="José Ñ"
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
start_xvfb 1280x1024
WINE_DISPLAY=$x_display
DISPLAY=$WINE_DISPLAY openbox >"$work/openbox.log" 2>&1 &
openbox=$!
trap 'kill $openbox $xvfb 2>/dev/null || true; wine_cleanup' EXIT

# xdotool types a character that the keyboard map lacks by remapping a spare key for a moment, which
# Wine's keyboard does not follow: the letters the names below need go onto the keypad's keys at the
# start instead (Wine makes no character of a key beyond the BMP, so no emoji is typed).
typed_letters='éÑúíñ東京の動画夏休みΩЖ'
xkbcomp -xkb "$WINE_DISPLAY" "$work/keymap.xkb" 2>/dev/null
python3 - "$work/keymap.xkb" "$typed_letters" >"$work/keymap-letters.xkb" <<'PYTHON'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
keys = ["KP7", "KP8", "KP9", "KP4", "KP5", "KP6", "KP1", "KP2", "KP3", "KP0", "KPDL", "KPAD", "KPSU",
        "KPMU", "KPDV"]
start = text.index("xkb_symbols")
end = text.index("\n};", start)
symbols = text[start:end]
assert len(sys.argv[2]) <= len(keys)
for key, letter in zip(keys, sys.argv[2]):
    symbols, found = re.subn(r"key\s+<%s>\s*\{[^}]*\};" % key,
                             'key <%s> { type= "ONE_LEVEL", [ U%04X ] };' % (key, ord(letter)), symbols)
    assert found == 1, key
sys.stdout.write(text[:start] + symbols + text[end:])
PYTHON
xkbcomp "$work/keymap-letters.xkb" "$WINE_DISPLAY" 2>/dev/null

wine_prefix_boot

# Three inputs, one of which the fake encoder fails; outputs go to their own folder.
mkdir -p "$work/in" "$work/out"
for name in first second bad-third; do printf 'input %s\n' "$name" >"$work/in/$name.wav"; done
chown -R "$(stat -c %u "$work")" "$work/in" "$work/out"
profile=$work/prefix/drive_c/users/$WINE_USER
appdata=$profile/AppData/Roaming
settings=$appdata/Tarvix/Clipvane/settings.ini
as_user mkdir -p "$(dirname "$settings")"
# The profile box holds a hand-made line whose arguments script the fake encoder.
printf '[Options]\r\nOutputDirectory=%s\\\r\nOutputFormat=%s\r\nSameInput=0\r\nAnotherFFmpeg=%s\r\nNotUseAnotherFFmpeg=0\r\n' \
    "$(windows_path "$work/out")" \
    'ffmpeg -i %1 --duration 00:00:02.00 --time 00:00:01.00 --sleep 1500 --time 00:00:02.00 --fail-on bad %1.mp3' \
    "$(windows_path "$build/tests/fake_encoder.exe")" | as_user tee "$settings" >/dev/null

app=$build/src/app/clipvane.exe
start_app() { # [locale]: the program with the real Windows platform plugin (Wine passes no QT_* variable on)
    wine_env env LANG="${1:-C.UTF-8}" LC_ALL="${1:-C.UTF-8}" WINEPATH="$(wine_dll_path "$build")" \
        wine "$app" -platform windows >>"$work/app.log" 2>&1
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

# Any name, in any script, through the window: the inputs, the encoder and the output folder each
# under a name that no single ANSI code page spells, typed as a user types them.
ffmpeg_exe=$(sh "$(dirname "$0")/build-windows-ffmpeg.sh" | tail -n 1)/ffmpeg.exe
[ -f "$ffmpeg_exe" ] || fail "no bundled ffmpeg.exe at $ffmpeg_exe"
mkdir -p "$profile/Música" "$profile/東京の動画" "$profile/Ω Ж"
ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=2 -ar 8000 "$profile/Música/vídeo ñ.wav"
cp "$profile/Música/vídeo ñ.wav" "$profile/東京の動画/夏 休み.wav"
cp "$ffmpeg_exe" "$profile/Ω Ж/ffmpeg.exe"
chown -R "$(stat -c %u "$work")" "$profile"
home='C:\users\José Ñ'
out_typed="$home\Vidéos\Ω 東京"
out="$profile/Vidéos/Ω 東京"

# Waits up to $1 seconds for a visible window with a title, other than the main window and the rest of
# the arguments, and prints it.
other_window() {
    seconds=$1
    shift
    end=$(($(date +%s) + seconds))
    while [ "$(date +%s)" -le "$end" ]; do
        for found in $(x search --onlyvisible --name . 2>/dev/null || true); do
            known=
            for old in "$main" "$@"; do [ "$found" = "$old" ] && known=1; done
            [ -z "$known" ] && { echo "$found"; return 0; }
        done
        sleep 0.2
    done
    return 1
}
# Waits up to $1 seconds for the active window to be another than the rest of the arguments (Wine's
# own file dialog has no title), and prints it.
active_other() {
    seconds=$1
    shift
    end=$(($(date +%s) + seconds))
    while [ "$(date +%s)" -le "$end" ]; do
        found=$(x getactivewindow 2>/dev/null || true)
        if [ -n "$found" ] && ! printf '%s\n' "$@" | grep -qxF "$found"; then
            echo "$found"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
# Waits up to $1 seconds until the main window is the only one left (the batch and its boxes closed).
only_main() {
    end=$(($(date +%s) + $1))
    while [ "$(date +%s)" -le "$end" ]; do
        [ -z "$(other_window 0)" ] && return 0
        sleep 0.3
    done
    return 1
}
# The file typed into the file dialog that Convert opened, and the batch to its end: the output must be
# there, a real MP3 to Linux's ffprobe, and nothing else left open.
convert_typed() { # locale, typed input, output file, windows that are not the dialog...
    lang=$1 typed=$2 output=$3
    shift 3
    picker=$(other_window 30 "$@") || fail "($lang) no file dialog"
    sleep 1
    x windowactivate --sync "$picker" type --delay 30 "$typed"
    shot "$lang-file-dialog-$(basename "$output" .mp3)"
    x key Return
    sleep 1
    shot "$lang-batch-$(basename "$output" .mp3)" # the file's name in the batch window, when still open
    end=$(($(date +%s) + 120))
    while [ ! -s "$output" ] && [ "$(date +%s)" -le "$end" ]; do sleep 0.5; done
    [ -s "$output" ] || fail "($lang) no $(basename "$output") in the output folder: $(ls -a "$out" 2>&1)"
    only_main 30 || fail "($lang) the batch did not end by itself"
    ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$output" | grep -qx mp3 ||
        fail "($lang) $(basename "$output") is no MP3 to ffprobe"
}
exit_app() { # locale
    x windowactivate --sync "$main"
    x mousemove --window "$main" 362 259 click 1
    for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
    ! kill -0 "$app_pid" 2>/dev/null || fail "($1) the program did not end after Exit"
}

for lang in C.UTF-8 ja_JP.UTF-8 de_DE.UTF-8; do
    step "($lang) a user named José Ñ: encoder, output folder and file typed with names in five scripts"
    rm -rf "$profile/Vidéos"
    printf '[Options]\r\nOutputFormat=MP3 - MPEG Layer-3 Audio\r\n' | as_user tee "$settings" >/dev/null
    WINE_DISPLAY=$WINE_DISPLAY start_app "$lang" &
    app_pid=$!
    main=$(find_window 60 --onlyvisible --name '^Tarvix Clipvane$') || fail "($lang) no main window"
    sleep 1
    shot "$lang-main" # the Output Folder box shows C:\users\José Ñ\AppData\Roaming\Tarvix\Clipvane\

    # Advanced > "Use another FFmpeg" (the menu's second item), "...", the encoder's path typed.
    x windowactivate --sync "$main" key ctrl+a
    sleep 1
    x key Down Return
    encoder=$(other_window 20) || fail "($lang) no encoder dialog"
    sleep 1
    x mousemove --window "$encoder" 336 50 click 1
    picker=$(active_other 20 "$main" "$encoder") || fail "($lang) no encoder file dialog"
    sleep 1
    x type --delay 30 "$home\Ω Ж\ffmpeg.exe"
    x key Return
    for _ in $(seq 100); do x search --onlyvisible --name '' 2>/dev/null | grep -qx "$picker" || break; sleep 0.2; done
    ! x search --onlyvisible --name '' 2>/dev/null | grep -qx "$picker" || fail "($lang) the encoder file dialog stayed"
    sleep 0.5
    x mousemove --window "$encoder" 14 112 click 1 # "Don't use it" off
    sleep 0.3
    shot "$lang-encoder"
    x key Return
    only_main 20 || fail "($lang) the encoder dialog did not take the path"

    # A new output folder typed into its box; Convert asks to make it.
    x mousemove --window "$main" 150 188 click 1
    x key End shift+Home
    x type --delay 30 "$out_typed"
    x mousemove --window "$main" 174 259 click 1
    question=$(other_window 20) || fail "($lang) no question about the new output folder"
    shot "$lang-question"
    x windowactivate --sync "$question" key Return
    convert_typed "$lang" "$home\Música\vídeo ñ.wav" "$out/vídeo ñ.mp3" "$question"
    exit_app "$lang"
    tr -d '\r' <"$settings" >"$work/settings.txt"
    grep -qxF "OutputDirectory=$out_typed" "$work/settings.txt" ||
        fail "($lang) settings.ini lost the output folder: $(cat "$work/settings.txt")"
    grep -qxF "AnotherFFmpeg=$home\Ω Ж\ffmpeg.exe" "$work/settings.txt" &&
        grep -qxF NotUseAnotherFFmpeg=0 "$work/settings.txt" ||
        fail "($lang) settings.ini lost the encoder: $(cat "$work/settings.txt")"

    step "($lang) a new start keeps both and converts a file named in Japanese"
    WINE_DISPLAY=$WINE_DISPLAY start_app "$lang" &
    app_pid=$!
    main=$(find_window 60 --onlyvisible --name '^Tarvix Clipvane$') || fail "($lang) no main window again"
    sleep 1
    shot "$lang-restarted" # the box shows the typed folder
    x mousemove --window "$main" 174 259 click 1
    convert_typed "$lang" "$home\東京の動画\夏 休み.wav" "$out/夏 休み.mp3"
    exit_app "$lang"
done
echo "Windows program under Wine: main window, hand-over, menu, batch, settings and names in five scripts as expected"
