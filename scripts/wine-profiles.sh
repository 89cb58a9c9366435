#!/bin/sh
# Converts a short generated clip (H.264 + AAC in MP4, 2 s) with every catalog profile through the
# bundled ffmpeg.exe under Wine, and says which profiles it converts (an output Linux's ffprobe reads
# streams from): the list in CONTRIBUTING.md.
# CLI is a clipvane-cli to drive it (the Windows one, or the Linux one, which then runs ffmpeg.exe
# under Wine through a small wrapper); FFMPEG_DIR the folder of scripts/build-windows-ffmpeg.sh.
#   sh scripts/wine-profiles.sh CLI FFMPEG_DIR
set -eu
cli=$1
ffdir=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-profiles.XXXXXX")
trap 'WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$work"
unset DISPLAY WAYLAND_DISPLAY
wineboot --init >/dev/null 2>&1
ffmpeg -v error -f lavfi -i "testsrc=size=640x480:rate=25:duration=2" -f lavfi -i "sine=duration=2" \
    -c:v libx264 -pix_fmt yuv420p -c:a aac -ac 2 -shortest "$work/clip.mp4"

case $cli in
*.exe) run() { wine "$cli" "$@"; } ;;
*)
    printf '#!/bin/sh\nexec wine "%s/ffmpeg.exe" "$@"\n' "$ffdir" >"$work/ffmpeg"
    chmod +x "$work/ffmpeg"
    run() { "$cli" --ffmpeg "$work/ffmpeg" "$@"; }
    ;;
esac

run --list | tr -d '\r' | cut -f2 >"$work/captions.txt"
ok=0
bad=0
n=0
while IFS= read -r caption; do
    n=$((n + 1))
    out=$work/out-$n
    mkdir -p "$out"
    if run -p "$caption" -o "$out" --overwrite yes "$work/clip.mp4" >"$work/log-$n.txt" 2>&1 </dev/null &&
        file=$(find "$out" -type f | head -n 1) && [ -n "$file" ] &&
        ffprobe -v error -show_entries format=nb_streams -of csv=p=0 "$file" | grep -q '^[1-9]'; then
        ok=$((ok + 1))
        echo "converts: $caption"
    else
        bad=$((bad + 1))
        reason=$(tr -d '\r' <"$work/log-$n.txt" | grep -E -i -m 1 'unknown encoder|not found|error|invalid' ||
            true)
        echo "fails:    $caption -- $reason"
    fi
done <"$work/captions.txt"
echo "bundled ffmpeg.exe: $ok of $n profiles convert, $bad fail"
