#!/bin/sh
# Converts with every catalog profile through a Windows clipvane-cli.exe and the ffmpeg.exe beside it
# under Wine, in a fresh prefix (scripts/wine-prefix.sh): a short generated clip (H.264 + AAC) with
# every profile and a WAV with the audio ones too, as tests/tst_RealEncoderCatalog.cpp does on Linux.
# Each must report progress and end converted, and Linux's ffprobe must read the codecs the profile
# names from its output. The profiles that name an encoder the bundled ffmpeg.exe is built without
# (LACKING) must fail instead, saying so. Exits 1 when any profile does otherwise. The last line counts
# the profiles: "N convert, M lack an encoder, K fail". Conversions run side by side, one per core.
#   sh scripts/wine-profiles.sh FOLDER [LACKING]
# FOLDER holds clipvane-cli.exe and ffmpeg.exe (an installed or staged Clipvane); LACKING is a list of
# encoder names, "libxvid" unless given.
set -eu
dir=$(cd "$1" && pwd)
lacking=${2-libxvid}
start=$(date +%s)
# shellcheck source=scripts/wine-prefix.sh disable=SC2154 # it sets work
. "$(dirname "$0")/wine-prefix.sh"
mkdir -p "$work/media"
# Two seconds: the encoder's last "time=" then passes a whole second, which a report needs.
ffmpeg -v error -f lavfi -i "testsrc=size=160x120:rate=25:duration=2" -f lavfi -i "sine=duration=2" \
    -c:v libx264 -pix_fmt yuv420p -c:a aac -ac 2 -shortest "$work/media/clip.mp4"
ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=2" -ac 2 -ar 44100 "$work/media/tone.wav"
[ "$(id -u)" != 0 ] || chown -R "$(stat -c %u "$work")" "$work/media"
wine_prefix_boot
cli=$(windows_path "$dir/clipvane-cli.exe")
media=$(windows_path "$work/media")

codec_of() { # an encoder option's value: the codec ffprobe names
    case $1 in
    libx264) echo h264 ;; libxvid) echo mpeg4 ;; libmp3lame | mp3) echo mp3 ;; libvorbis) echo vorbis ;;
    msmpeg4) echo msmpeg4v3 ;; flv) echo flv1 ;; *) echo "$1" ;;
    esac
}
option_value() { # profile arguments, option names...: the value after the first of these options
    args=$1
    shift
    prev=""
    for word in $args; do
        for name in "$@"; do
            if [ "$prev" = "$name" ]; then
                echo "$word"
                return
            fi
        done
        prev=$word
    done
}

wine_env wine "$cli" --list >"$work/list.txt" 2>&1 || true
tr -d '\r' <"$work/list.txt" >"$work/profiles.tsv"
convert() { # number, group, caption, extension, arguments, input: one conversion and its verdict
    number=$1 group=$2 caption=$3 ext=$4 params=$5 input=$6
    out=$work/media/out-$number
    log=$work/log-$number.txt
    for attempt in 1 2; do
        wine_env wine "$cli" --machine -p "$caption" -o "$media\\out-$number" --overwrite yes "$media\\$input" \
            >"$log" 2>&1 </dev/null || true
        tr -d '\r' <"$log" >"$log.unix"
        # Wine's CreateProcess now and then fails with ERROR_INTERNAL_ERROR under load (seen once, in a
        # CI run): Wine's own failure, tried once more and said, so that it is not taken for ours.
        grep -q '^Error while creating convert process!1359\.$' "$log.unix" || break
        [ "$attempt" = 2 ] || echo "note: Wine could not start ffmpeg.exe (error 1359) for $caption ($input); once more" >&2
    done
    file=$out/${input%.*}$ext
    vcodec=$(codec_of "$(option_value "$params" -vcodec -c:v)")
    acodec=$(codec_of "$(option_value "$params" -acodec -c:a)")
    missing=""
    for encoder in $lacking; do
        case " $params " in *" $encoder "*) missing=$encoder ;; esac
    done
    what="$caption ($input)"
    if [ -n "$missing" ]; then
        if grep -q "^reason .*This encoder has no $missing encoder\.\$" "$log.unix" && [ ! -e "$file" ]; then
            echo "lacks"
            echo "fails as it should (no $missing): $what"
        else
            echo "bad"
            echo "FAIL $what: expected the reason \"This encoder has no $missing encoder.\""
            tail -n 5 "$log.unix"
        fi
        return
    fi
    # Side data (MPEG-2's CPB properties) adds an empty field and line.
    streams=$(ffprobe -v error -show_entries stream=codec_type,codec_name -of csv=p=0 "$file" 2>&1 |
        sed -e 's/,*$//' -e '/^$/d' || true)
    why=""
    grep -q '^progress [0-9]' "$log.unix" || why="no progress report"
    tail -n 1 "$log.unix" | grep -q '^end 0 some$' || why="$why; not converted"
    echo "$streams" | grep -q ',audio$' || why="$why; no audio stream"
    [ -z "$acodec" ] || echo "$streams" | grep -q "^$acodec,audio\$" || why="$why; no $acodec audio"
    if [ "$group" != "General Audio Format" ] && [ "$input" = clip.mp4 ]; then
        echo "$streams" | grep -q ',video$' || why="$why; no video stream"
        [ -z "$vcodec" ] || echo "$streams" | grep -q "^$vcodec,video\$" || why="$why; no $vcodec video"
    fi
    if [ -z "$why" ]; then
        echo "converts"
        echo "converts: $what: $(echo "$streams" | tr '\n' ' ')"
    else
        echo "bad"
        echo "FAIL $what: ${why#; } ($(echo "$streams" | tr '\n' ' '))"
        tail -n 5 "$log.unix"
    fi
}

# Each conversion writes its verdict to a file of its own; they are read back in the catalog's order.
jobs=$(nproc)
n=0
running=0
while IFS="$(printf '\t')" read -r group caption ext params; do
    for input in clip.mp4 tone.wav; do
        [ "$input" = clip.mp4 ] || [ "$group" = "General Audio Format" ] || continue
        n=$((n + 1))
        convert "$n" "$group" "$caption" "$ext" "$params" "$input" >"$work/verdict-$n.txt" </dev/null &
        running=$((running + 1))
        if [ "$running" -ge "$jobs" ]; then
            wait
            running=0
        fi
    done
done <"$work/profiles.tsv"
wait

ok=0
bad=0
n=0
converts=0
lacks=0
fails=0
while IFS="$(printf '\t')" read -r group caption ext params; do
    verdicts=""
    for input in clip.mp4 tone.wav; do
        [ "$input" = clip.mp4 ] || [ "$group" = "General Audio Format" ] || continue
        n=$((n + 1))
        verdict=$(head -n 1 "$work/verdict-$n.txt" 2>/dev/null || true)
        tail -n +2 "$work/verdict-$n.txt" 2>/dev/null || true
        [ -n "$verdict" ] || { verdict=bad && echo "FAIL $caption ($input): no verdict"; }
        verdicts="$verdicts $verdict"
        if [ "$verdict" = bad ]; then bad=$((bad + 1)); else ok=$((ok + 1)); fi
    done
    case $verdicts in
    *bad*) fails=$((fails + 1)) ;;
    *lacks*) lacks=$((lacks + 1)) ;;
    *) converts=$((converts + 1)) ;;
    esac
done <"$work/profiles.tsv"
profiles=$(grep -c . "$work/profiles.tsv" || true)
echo "ffmpeg.exe in $dir: $n conversions of $profiles profiles, $ok as expected, $bad not ($(($(date +%s) - start)) s)"
echo "$converts convert, $lacks lack an encoder, $fails fail"
[ "$bad" = 0 ] && [ "$profiles" = 103 ]
