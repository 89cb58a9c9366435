#!/bin/sh
# Makes the Windows installer and the portable zip from a Windows build (scripts/build-windows.sh):
#   DIR/clipvane-<version>-win64-setup.exe and DIR/clipvane-<version>-win64.zip
# The folder both carry is staged by hand as windeployqt would (it is not built for a Linux host):
# the two programs stripped, the Qt and mingw runtime DLLs they import, the Qt plugins, and ffmpeg.exe
# (scripts/build-windows-ffmpeg.sh) with the licences. Every import of every .exe and .dll there must be
# in the folder or a Windows system DLL, else this fails.
#   sh scripts/package-windows.sh [build-windows]
# shellcheck disable=SC2044,SC2016 # the staged names have no blanks; $INSTDIR is NSIS's
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
dir=${1:-build-windows}
case $dir in /*) ;; *) dir=$root/$dir ;; esac
host=x86_64-w64-mingw32
start=$(date +%s)

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$dir/CMakeCache.txt" | head -n 1; }
[ -f "$dir/CMakeCache.txt" ] || { echo "package-windows: no Windows build in $dir" >&2; exit 1; }
version=$(cache_value CMAKE_PROJECT_VERSION)
# scripts/build-windows.sh lists the Windows Qt's and the compiler runtime's DLL folders there.
[ -f "$dir/windows-dll-path.txt" ] || { echo "package-windows: $dir has no Windows Qt build" >&2; exit 1; }
runtime_dirs=$(cat "$dir/windows-dll-path.txt")
qt=$(dirname "$(head -n 1 "$dir/windows-dll-path.txt")")
ffmpeg=$(sh scripts/build-windows-ffmpeg.sh | tail -n 1)

stage=$dir/package/Clipvane
rm -rf "$dir/package"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses"
cp "$dir/src/app/clipvane.exe" "$dir/src/cli/clipvane-cli.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$ffmpeg/ffmpeg.exe" "$stage/"
cp -r "$ffmpeg/licenses/." "$stage/licenses/"
# The catalogs of the user's language, each with Qt's own (its dialogs' buttons), which the Windows Qt
# build does not make: .qm files are the same on every system.
mkdir -p "$stage/translations"
for qm in "$dir"/src/app/translations/clipvane_*.qm; do
    cp "$qm" "$stage/translations/"
    language=${qm##*/clipvane_}
    qtbase=/usr/share/qt6/translations/qtbase_$language
    [ ! -f "$qtbase" ] || cp "$qtbase" "$stage/translations/"
done
[ -f "$stage/translations/clipvane_de.qm" ] || { echo "package-windows: no catalogs in $dir" >&2; exit 1; }

imports() { # binary: the DLL names it imports, one a line
    $host-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r'
}
find_runtime() { # DLL name: its path in the Windows Qt or the mingw runtime, matched without case
    for d in $runtime_dirs; do
        found=$(find "$d" -maxdepth 1 -iname "$1" | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}
# What Windows itself provides; anything else must be in the folder.
is_system() {
    case $(echo "$1" | tr '[:upper:]' '[:lower:]') in
    api-ms-win-* | ext-ms-* | d3d*.dll | dxgi.dll | dwrite.dll | dwmapi.dll | kernel32.dll | user32.dll | \
        gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | oleaut32.dll | comdlg32.dll | comctl32.dll | \
        ws2_32.dll | uxtheme.dll | imm32.dll | winmm.dll | version.dll | netapi32.dll | userenv.dll | \
        setupapi.dll | crypt32.dll | bcrypt.dll | shlwapi.dll | msvcrt.dll | iphlpapi.dll | wtsapi32.dll | \
        authz.dll | mpr.dll | dnsapi.dll | secur32.dll | ntdll.dll | shcore.dll | winspool.drv | \
        wintrust.dll | psapi.dll | rpcrt4.dll | normaliz.dll | propsys.dll | wldap32.dll | \
        ncrypt.dll | msimg32.dll | oleacc.dll | hid.dll | cfgmgr32.dll | winhttp.dll | wsock32.dll | \
        mswsock.dll | usp10.dll | gdiplus.dll | powrprof.dll) return 0 ;;
    esac
    return 1
}

# Copy in what the programs and plugins import, until nothing new comes in.
changed=1
while [ "$changed" = 1 ]; do
    changed=0
    for bin in $(find "$stage" -iname '*.exe' -o -iname '*.dll'); do
        for dll in $(imports "$bin"); do
            is_system "$dll" && continue
            [ -n "$(find "$stage" -maxdepth 1 -iname "$dll")" ] && continue
            src=$(find_runtime "$dll") || continue # the check below names it
            cp "$src" "$stage/"
            changed=1
        done
    done
done
for bin in $(find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) ! -name ffmpeg.exe); do
    $host-strip --strip-unneeded "$bin"
done

# The check: the plugins' imports resolve from the program's folder too, where Windows finds them.
missing=0
for bin in $(find "$stage" -iname '*.exe' -o -iname '*.dll'); do
    for dll in $(imports "$bin"); do
        is_system "$dll" && continue
        [ -n "$(find "$stage" -maxdepth 1 -iname "$dll")" ] && continue
        echo "package-windows: ${bin#"$stage"/} imports $dll, which is neither in the folder nor Windows's" >&2
        missing=1
    done
done
[ "$missing" = 0 ]

# Licences of what the folder carries besides FFmpeg.
mkdir -p "$stage/licenses/Qt" "$stage/licenses/mingw-w64"
cp /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3 "$stage/licenses/Qt/"
echo "The Qt DLLs and plugins are Qt $(basename "$qt" | cut -d- -f2), built for Windows (mingw-w64) from the
Debian source package \"qt6-base\" by scripts/build-windows-qt.sh in Clipvane's source, under the LGPL 3." \
    >"$stage/licenses/Qt/SOURCE.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-w64/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64/mingw-w64.txt"

# The installer's lists: every staged file, and the extensions of the desktop entry's media types.
nsh=$dir/package/generated.nsh
ext_of() { # media type: the file extensions Windows knows it by
    case $1 in
    video/mp4) echo .mp4 .m4v ;; video/x-msvideo) echo .avi ;; video/x-matroska) echo .mkv ;;
    video/quicktime) echo .mov ;; video/mpeg) echo .mpg .mpeg ;; video/webm) echo .webm ;;
    video/ogg) echo .ogv ;; video/x-flv) echo .flv ;; video/x-ms-wmv) echo .wmv ;; video/3gpp) echo .3gp ;;
    video/mp2t) echo .ts .m2ts ;; audio/mpeg) echo .mp3 ;; audio/x-wav) echo .wav ;; audio/flac) echo .flac ;;
    audio/ogg) echo .ogg .oga ;; audio/aac) echo .aac ;; audio/mp4) echo .m4a ;; audio/x-ms-wma) echo .wma ;;
    audio/x-aiff) echo .aif .aiff ;;
    *) return 1 ;;
    esac
}
types=$(sed -n 's/^MimeType=//p' data/example.tarvix.Clipvane.desktop | tr ';' ' ')
{
    echo "!macro CLIPVANE_TYPES OP"
    for type in $types; do
        exts=$(ext_of "$type") || { echo "package-windows: no extension known for $type" >&2; exit 1; }
        for ext in $exts; do echo "  !insertmacro \${OP} \"$ext\""; done
    done
    echo "!macroend"
    echo "!macro CLIPVANE_INSTALL_FILES"
    echo "  File /r \"$stage/*\""
    echo "!macroend"
    echo "!macro CLIPVANE_UNINSTALL_FILES"
    (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
    echo "!macroend"
} >"$nsh"

setup=$dir/clipvane-$version-win64-setup.exe
zip=$dir/clipvane-$version-win64.zip
rm -f "$setup" "$zip"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DGENERATED="$nsh" -DICON="$root/data/icons/clipvane.ico" \
    -DOUTFILE="$setup" data/windows/clipvane.nsi
(cd "$dir/package" && zip -q -r -9 "$zip" Clipvane)
echo "package-windows: $(basename "$setup") $(du -k "$setup" | cut -f1) KiB, $(basename "$zip")" \
    "$(du -k "$zip" | cut -f1) KiB, folder $(du -sk "$stage" | cut -f1) KiB ($(($(date +%s) - start)) s)"
