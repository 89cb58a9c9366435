# Sourced by the Wine scripts: a fresh temporary prefix run by an ordinary user. Started as root, the
# programs run as the user clipvane-ci: root opens read-only files and folders regardless, and Wine maps
# Windows attributes and access lists onto Unix permissions.
# Sets: work (the temporary folder, removed on exit), as_user, wine_env (no display: set WINE_DISPLAY
# for one), wine_prefix_boot, windows_path, start_xvfb. WINE_USER, when set, is the Windows user's name (the profile
# folder C:\users\NAME); else the name is the Unix user's.
user=clipvane-ci
work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-wine.XXXXXX")
mkdir -p "$work/home" "$work/prefix"
if [ "$(id -u)" = 0 ]; then
    id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    chown -R "$user:" "$work"
    as_user() { runuser -u "$user" -- "$@"; }
else
    as_user() { "$@"; }
fi
wine_env() { # command... : in the prefix, without Mono or Gecko
    if [ -n "${WINE_DISPLAY:-}" ]; then
        as_user env -u WAYLAND_DISPLAY DISPLAY="$WINE_DISPLAY" HOME="$work/home" WINEPREFIX="$work/prefix" \
            WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" ${WINE_USER:+"USER=$WINE_USER"} LANG=C.UTF-8 "$@"
    else
        as_user env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
            WINEDLLOVERRIDES="mscoree,mshtml=" ${WINE_USER:+"USER=$WINE_USER"} LANG=C.UTF-8 "$@"
    fi
}
wine_cleanup() {
    wine_env wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap wine_cleanup EXIT

wine_prefix_boot() {
    if ! wine_env wineboot --init >"$work/wineboot.log" 2>&1; then
        cat "$work/wineboot.log"
        echo "Wine could not create its prefix" >&2
        exit 1
    fi
    wine_env wineserver -w
    # A fresh prefix has no Tahoma, and Wine then draws the dialog font with a serif face: a sans-serif
    # one in the prefix's Fonts folder stands in for the faces Windows programs ask for.
    for face in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
                /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf; do
        [ -f "$face" ] && as_user cp "$face" "$work/prefix/drive_c/windows/Fonts/"
    done
    for name in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Segoe UI" "MS Sans Serif"; do
        wine_env wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$name" /d "DejaVu Sans" /f >/dev/null 2>&1
    done
    # Without a display, Wine's null driver still makes (invisible) windows, as the hand-over needs.
    if [ -z "${WINE_DISPLAY:-}" ]; then
        wine_env wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    fi
    wine_env wineserver -w
    return 0
}

windows_path() { # a Unix path as the prefix's programs see it (drive Z: is /)
    echo "Z:$1" | tr / '\\'
}

# WINEPATH for a build of scripts/build-windows.sh: Qt's and the compiler runtime's DLL folders.
wine_dll_path() { # build folder
    sed 's|^|Z:|' "$1/windows-dll-path.txt" | tr '/\n' '\\;'
}

start_xvfb() { # WIDTHxHEIGHT: an X server of our own on a free number; sets xvfb (its pid) and x_display
    number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 "${1}x24" -nolisten tcp -ac >"$work/xvfb.log" 2>&1 &
    # shellcheck disable=SC2034 # read by the sourcing script
    xvfb=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
    # shellcheck disable=SC2034 # read by the sourcing script
    x_display=:$number
}
