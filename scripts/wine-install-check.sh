#!/bin/sh
# The installer's round trip under Wine, in a fresh temporary prefix, as the ordinary user clipvane-ci
# when started as root (as scripts/wine-checks.sh does): install silently for the current user, list
# the profiles and convert a WAV with the installed programs and their ffmpeg.exe, convert with every
# profile through them (scripts/wine-profiles.sh: 95 convert, the 8 libxvid ones fail saying so),
# convert a WAV with a non-ASCII name by the registered "Open with" command under Xvfb and two more
# handed over by the "Send to" shortcut, uninstall silently while the program still runs and look for
# anything left behind; then the same install and uninstall for all users (/AllUsers).
#   sh scripts/wine-install-check.sh [build-windows]
set -eu
dir=$(cd "${1:-build-windows}" && pwd)
start=$(date +%s)
setup=$(find "$dir" -maxdepth 1 -name 'clipvane-*-win64-setup.exe' | sort | tail -n 1)
[ -n "$setup" ] || { echo "wine-install-check: no installer in $dir (scripts/package-windows.sh)" >&2; exit 1; }

# shellcheck source=scripts/wine-prefix.sh disable=SC2154 # it sets work
. "$(dirname "$0")/wine-prefix.sh"
mkdir -p "$work/media"
cp "$setup" "$work/$(basename "$setup")"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=3" -ac 2 -ar 44100 "$work/media/tone.wav"
[ "$(id -u)" != 0 ] || chown -R "$(stat -c %u "$work")" "$work/media" "$work/$(basename "$setup")"
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true; wine_cleanup' EXIT
failed=0
check() { # description, command...: runs the command, reports
    what=$1; shift
    # printf, not echo: dash's echo would take the "\c" of "C:\users\clipvane-ci" for an escape.
    if "$@"; then printf 'ok   %s\n' "$what"; else printf 'FAIL %s\n' "$what"; failed=$((failed + 1)); fi
}
reg_has() { wine_env wine reg query "$1" >/dev/null 2>&1; }
reg_lacks() { ! reg_has "$1"; }

wine_prefix_boot
wine_user=$(as_user id -un)

users=$work/prefix/drive_c/users/$wine_user
inst=$users/AppData/Local/Programs/Clipvane
link="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarvix Clipvane.lnk"
sendto="$users/AppData/Roaming/Microsoft/Windows/SendTo/Tarvix Clipvane.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clipvane'
app_key='HKCU\Software\Classes\Applications\clipvane.exe'
openwith_key='HKCU\Software\Classes\.mp4\OpenWithList\clipvane.exe'

# The installer waits for nothing, so wineserver -w does: it returns when the prefix's last process ends.
wine_env wine "$work/$(basename "$setup")" /S >"$work/setup.log" 2>&1 || true
wine_env wineserver -w
check "installed into %LOCALAPPDATA%\\Programs\\Clipvane" test -f "$inst/clipvane.exe" -a -f "$inst/ffmpeg.exe"
check "Start-menu shortcut" test -f "$link"
check "Send to shortcut" test -f "$sendto"
catalogs=$(find "$inst/translations" -name 'clipvane_*.qm' 2>/dev/null | wc -l)
check "the catalogs of seven languages, with Qt's own (found $catalogs)" \
    test "$catalogs" = 7 -a -f "$inst/translations/qtbase_de.qm"
wine_env wine reg query "$uninstall_key" >"$work/uninstall-key.txt" 2>&1 || true
for value in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
    check "Apps & features value $value" grep -q "$value" "$work/uninstall-key.txt"
done
check "Publisher is Tarvix Software" grep -q "Tarvix Software" "$work/uninstall-key.txt"
check "Open with: SupportedTypes" reg_has "$app_key\\SupportedTypes"
check "Open with: .mp4 lists clipvane.exe" reg_has "$openwith_key"

# The installed console program, started by its Windows path; it finds ffmpeg.exe beside itself.
cli="C:\\users\\$wine_user\\AppData\\Local\\Programs\\Clipvane\\clipvane-cli.exe"
wine_env wine "$cli" --list >"$work/list.txt" 2>"$work/list.err" || true
profiles=$(tr -d '\r' <"$work/list.txt" | grep -c . || true)
check "clipvane-cli --list prints 103 lines (printed $profiles)" test "$profiles" = 103
# The installed catalogs are found: the help follows the user's language.
wine_env env LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 wine "$cli" --help >"$work/help-de.txt" 2>&1 || true
check "clipvane-cli --help in German ($(head -n 1 "$work/help-de.txt" | tr -d '\r' | cut -c1-30))" \
    grep -q '^Aufruf: clipvane-cli' "$work/help-de.txt"
check "the bundled encoder's GPL and source list beside it" \
    test -f "$inst/licenses/FFmpeg/COPYING.GPLv2" -a -f "$inst/licenses/FFmpeg/SOURCE.txt" -a -f "$inst/licenses/x264/COPYING"
profile="MP3 - MPEG Layer-3 Audio" ext=mp3 codec=mp3
media_win=$(windows_path "$work/media")
wine_env timeout 120 wine "$cli" -p "$profile" -o "$media_win\\out" --overwrite yes \
    "$media_win\\tone.wav" >"$work/convert.txt" 2>&1 || true
out=$work/media/out/tone.$ext
probed=$(ffprobe -v error -show_entries stream=codec_name:format=duration -of csv=p=0 "$out" 2>/dev/null |
    tr '\n' ' ' || true)
check "\"$profile\" with the bundled ffmpeg.exe: $(du -b "$out" 2>/dev/null | cut -f1) bytes, $probed" \
    sh -c "echo '$probed' | grep -q '^$codec 3\\.'"
[ "$failed" = 0 ] || { tr -d '\r' <"$work/convert.txt" | tail -n 20; }
# Every profile through the installed programs, in a prefix of its own: all but the 8 that name libxvid,
# which the bundled encoder lacks, convert; those 8 fail and say why.
sh "$(dirname "$0")/wine-profiles.sh" "$inst" >"$work/profiles.txt" 2>&1 || true
grep -v '^converts: \|^fails as it should' "$work/profiles.txt" | tail -n 40
check "every profile with the installed clipvane-cli.exe and ffmpeg.exe: $(tail -n 1 "$work/profiles.txt")" \
    grep -qx '95 convert, 8 lack an encoder, 0 fail' "$work/profiles.txt"

# The installed desktop program under Xvfb, started by the registered "Open with" command with a WAV:
# it converts it with the saved profile into the saved folder. A later start with two files (as "Send
# to" starts it) hands them over and ends; the running one converts them too. Wine drops QT_* variables
# from a Windows program's environment; Qt's default platform is the real one. The prefix's desktop
# process, started without a display for the console steps, must end first, or no window reaches X;
# and the prefix, booted without a display, is set to Wine's null driver.
wine_env wineserver -w
wine_env wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
wine_env wineserver -w
start_xvfb 1024x768
# The opened file's name is not ASCII: "Open with" passes what Explorer shows.
opened="vídeo ñ"
for name in "$opened" two three; do cp "$work/media/tone.wav" "$work/media/$name.wav"; done
mkdir -p "$work/media/opened"
[ "$(id -u)" != 0 ] || chown -R "$(stat -c %u "$work")" "$work/media"
settings="$users/AppData/Roaming/Tarvix/Clipvane/settings.ini"
as_user mkdir -p "$(dirname "$settings")"
printf '[Options]\r\nOutputDirectory=%s\\\r\nOutputFormat=%s\r\nSameInput=0\r\nNotUseAnotherFFmpeg=1\r\n' \
    "$media_win\\opened" "$profile" | as_user tee "$settings" >/dev/null
command=$(wine_env wine reg query "$app_key\\shell\\open\\command" /ve 2>/dev/null | tr -d '\r' |
    sed -n 's/.*REG_SZ *//p')
# printf, not echo: dash's echo would take the "\c" of "C:\users\clipvane-ci" for an escape.
check "the registered command passes its file: $command" sh -c "printf '%s\n' '$command' | grep -q '\"%1\"\$'"
exe=$(printf '%s\n' "$command" | sed 's/^"\([^"]*\)".*/\1/')
# That query started the prefix's desktop process without a display; a program started before it ends
# would join that desktop, and its windows would never reach X.
wine_env wineserver -w
WINE_DISPLAY=$x_display
wine_env wine "$exe" "$media_win\\$opened.wav" >"$work/gui.log" 2>&1 &
shown=""
for _ in $(seq 60); do
    shown=$(DISPLAY=$x_display xdotool search --onlyvisible --name '^Tarvix Clipvane' 2>/dev/null | head -n 1 || true)
    [ -n "$shown" ] && break
    sleep 1
done
check "clipvane.exe shows its main window" test -n "$shown"
# Explorer's "Send to" starts the shortcut's target with the chosen files: a second start, which hands
# them to the running one and ends.
handed=0
sendto_win="C:\\users\\$wine_user\\AppData\\Roaming\\Microsoft\\Windows\\SendTo\\Tarvix Clipvane.lnk"
wine_env timeout 60 wine start /wait "$sendto_win" "$media_win\\two.wav" "$media_win\\three.wav" \
    >"$work/gui2.log" 2>&1 || handed=$?
# shellcheck disable=SC2034 # read by wine_env
WINE_DISPLAY=""
check "the Send to shortcut with two files hands them over and ends (exit $handed)" test "$handed" = 0
for name in "$opened" two three; do
    out=$work/media/opened/$name.$ext
    for _ in $(seq 60); do [ -s "$out" ] && break; sleep 1; done
    # The output takes its name when the encoder is done: probed once it is there.
    probed=$(ffprobe -v error -show_entries stream=codec_name:format=duration -of csv=p=0 "$out" 2>/dev/null |
        tr '\n' ' ' || true)
    check "converted $name.wav: $probed" sh -c "echo '$probed' | grep -q '^$codec 3\\.'"
done
if [ -n "${SHOTS:-}" ]; then
    mkdir -p "$SHOTS"
    DISPLAY=$x_display import -window root "$SHOTS/open-with.png" 2>/dev/null || true
fi
[ "$failed" = 0 ] || tr -d '\r' <"$work/gui.log" | tail -n 20

# The uninstaller finds the running program by its window class and has it end first: a file it
# holds open would be left behind. Silent, so it asks nothing and must not wait for anyone.
uninstall_start=$(date +%s)
WINE_DISPLAY=$x_display
wine_env timeout 120 wine "C:\\users\\$wine_user\\AppData\\Local\\Programs\\Clipvane\\uninstall.exe" /S \
    >"$work/uninstall.log" 2>&1 || true
wine_env timeout 120 wineserver -w || true
WINE_DISPLAY=""
running=$(DISPLAY=$x_display xdotool search --name '^Tarvix Clipvane' 2>/dev/null | head -n 1 || true)
check "the silent uninstall ended the running program ($(($(date +%s) - uninstall_start)) s)" test -z "$running"
check "and kept its settings" grep -q "^OutputFormat=$profile" "$settings"
wine_env wineserver -k >/dev/null 2>&1 || true
wine_env wineserver -w
left=$(find "$inst" -type f 2>/dev/null | wc -l)
check "uninstall leaves no file in the install folder ($left left)" test "$left" = 0
check "uninstall removes the shortcut" test ! -e "$link"
check "uninstall removes the Send to shortcut" test ! -e "$sendto"
check "uninstall removes the Apps & features key" reg_lacks "$uninstall_key"
check "uninstall removes the Open with keys" reg_lacks "$app_key"
check "uninstall removes .mp4's Open with entry" reg_lacks "$openwith_key"

# For all users on request (the prefix's user is an administrator to Wine): Program Files and HKLM,
# removed again by the uninstall command the installer registered.
pf="$work/prefix/drive_c/Program Files/Clipvane"
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clipvane'
wine_env wine "$work/$(basename "$setup")" /S /AllUsers >"$work/setup-all.log" 2>&1 || true
wine_env wineserver -w
check "/AllUsers installs into Program Files" test -f "$pf/clipvane.exe"
check "/AllUsers registers for the machine" reg_has "$machine_key"
quiet=$(wine_env wine reg query "$machine_key" /v QuietUninstallString 2>/dev/null | tr -d '\r' |
    sed -n 's/.*QuietUninstallString *REG_SZ *//p')
exe=$(echo "$quiet" | sed 's/^"\([^"]*\)".*/\1/')
# clipvane-cli.exe waiting at its overwrite question (its input held open) keeps its files in use:
# the uninstall must leave itself and its entry for another try rather than report a removal.
mkfifo "$work/answer"
wine_env wine "C:\\Program Files\\Clipvane\\clipvane-cli.exe" -p "$profile" -o "$media_win\\out" \
    --overwrite ask "$media_win\\tone.wav" <"$work/answer" >"$work/asking.log" 2>&1 &
asking=$!
exec 3>"$work/answer"
for _ in $(seq 60); do grep -q 'y/N' "$work/asking.log" && break; sleep 1; done
# _?= runs the uninstaller in place, not from a copy, so that its exit code comes back. NSIS reads it
# only unquoted, and Wine quotes an argument with a blank: the folder goes as two arguments.
busy=0
wine_env timeout 120 wine "$exe" /AllUsers /S '_?=C:\Program' 'Files\Clipvane' >"$work/uninstall-busy.log" 2>&1 ||
    busy=$?
check "an uninstall while clipvane-cli.exe runs ends with exit code 2 (exit $busy)" test "$busy" = 2
check "and keeps it and the uninstaller" test -f "$pf/clipvane-cli.exe" -a -f "$pf/uninstall.exe"
check "and the entry" reg_has "$machine_key"
exec 3>&-
wait "$asking" || true
wine_env wineserver -w
# shellcheck disable=SC2046 # the registered arguments, split as Windows would
wine_env wine "$exe" $(echo "$quiet" | sed 's/^"[^"]*" *//') >"$work/uninstall-all.log" 2>&1 || true
wine_env wineserver -w
left=$(find "$pf" -type f 2>/dev/null | wc -l)
check "its QuietUninstallString ($quiet) leaves no file ($left left)" test -n "$quiet" -a "$left" = 0
check "and no machine key" reg_lacks "$machine_key"
check "and no machine Open with key" reg_lacks 'HKLM\Software\Classes\Applications\clipvane.exe'

echo "Installer round trip under Wine: $failed failed ($(($(date +%s) - start)) s)"
[ "$failed" = 0 ]
