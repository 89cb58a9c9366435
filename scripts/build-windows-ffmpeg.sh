#!/bin/sh
# Builds ffmpeg.exe for 64-bit Windows from Debian's own ffmpeg source with mingw-w64 (posix threads),
# LGPL only, static, with just the parts the profile catalog and the usual inputs need; LAME for MP3
# and libogg/libvorbis for OGG come from Debian's sources too, each left out if it fails to build.
# Installs into a cache folder named for the ffmpeg version and this script's content:
#   /var/cache/clipvane/ as root, else ${XDG_CACHE_HOME:-~/.cache}/clipvane/
# Prints the install folder on its last line. A present cache costs a second.
#   sh scripts/build-windows-ffmpeg.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
hash=$(sha256sum "$here/build-windows-ffmpeg.sh" | cut -c1-12)
if [ "$(id -u)" = 0 ]; then cache=/var/cache/clipvane; else cache=${XDG_CACHE_HOME:-$HOME/.cache}/clipvane; fi
mkdir -p "$cache"
for done in "$cache"/ffmpeg-*-mingw-"$hash"/.complete; do
    if [ -f "$done" ]; then
        dirname "$done"
        exit 0
    fi
done

host=x86_64-w64-mingw32
if [ "$(id -u)" = 0 ] && ! command -v $host-gcc-posix >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        gcc-mingw-w64-x86-64-posix dpkg-dev make >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-ffmpeg.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
jobs=$(nproc)
deps=$work/deps
mkdir -p "$deps/include" "$deps/lib/pkgconfig"
log() { echo "build-windows-ffmpeg: $*" >&2; }

# Debian's sources, patches applied (the deb-src entry build-windows-qt.sh sets up).
source_of() { # package: extracts it into the work folder, prints its folder
    apt-get source "$1" >"$work/source-$1.log" 2>&1 || {
        cat "$work/source-$1.log" >&2
        return 1
    }
    find . -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1
}
version_of() { # source folder: its Debian version
    dpkg-parsechangelog -l "$1/debian/changelog" -S Version
}

autotools_lib() { # package, configure arguments...
    name=$1; shift
    dir=$(source_of "$name") || return 1
    (cd "$dir" && ./configure --host=$host --prefix="$deps" --enable-static --disable-shared \
        CC=$host-gcc-posix CFLAGS="-O2" "$@" && make -j "$jobs" && make install) >"$work/$name.log" 2>&1 || {
        tail -n 30 "$work/$name.log" >&2
        return 1
    }
    echo "$name $(version_of "$dir")" >"$work/$name.version"
}

extra=""
if autotools_lib lame --disable-frontend --disable-decoder --disable-gtktest; then
    extra="$extra --enable-libmp3lame --enable-encoder=libmp3lame"
else
    log "LAME did not build; going without MP3"
fi
if autotools_lib libogg && autotools_lib libvorbis --disable-docs --disable-examples --disable-oggtest \
    PKG_CONFIG_LIBDIR="$deps/lib/pkgconfig"; then
    extra="$extra --enable-libvorbis --enable-encoder=libvorbis"
else
    log "libogg/libvorbis did not build; going without Vorbis"
fi

src=$(source_of ffmpeg)
debver=$(version_of "$src")
version=${debver#*:}
version=${version%%-*}
prefix=$cache/ffmpeg-$version-mingw-$hash
# Installed here first and moved into the cache whole, so the cache never holds half a build.
out=$work/out
mkdir -p "$out"

# What the catalog writes (encoders, muxers), what users commonly feed in (decoders, demuxers,
# parsers) and what ffmpeg inserts on its own to scale, resample and retime.
encoders="aac ac3 adpcm_swf dvvideo flv h263 mp2 mpeg1video mpeg2video mpeg4 msmpeg4v3 pcm_s16le
    pcm_s16be wmav2 wmv2"
decoders="aac aac_latm ac3 eac3 alac flac mp1 mp1float mp2 mp2float mp3 mp3float opus vorbis wmav1 wmav2
    pcm_s16le pcm_s16be pcm_s24le pcm_s24be pcm_s32le pcm_f32le pcm_f64le pcm_u8 pcm_alaw pcm_mulaw
    adpcm_ima_wav adpcm_ms adpcm_swf h264 hevc mpeg4 mpeg1video mpeg2video msmpeg4v1 msmpeg4v2 msmpeg4v3
    wmv1 wmv2 wmv3 vc1 flv h263 vp8 vp9 theora mjpeg dvvideo rawvideo"
muxers="ac3 asf avi dv flv ipod mov mp3 mp4 mpeg1system mpeg1vcd mpeg2dvd ogg swf tgp wav"
demuxers="aac ac3 eac3 aiff asf avi dv flac flv h264 hevc m4v matroska mov mp3 mpegps mpegts mpegvideo
    ogg wav"
parsers="aac aac_latm ac3 flac h263 h264 hevc mpeg4video mpegaudio mpegvideo opus vorbis vp8 vp9 vc1
    mjpeg dvaudio"
filters="scale aresample aformat format null anull copy acopy fps setsar setdar pad crop trim atrim"
bsfs="aac_adtstoasc h264_mp4toannexb hevc_mp4toannexb vp9_superframe mpeg4_unpack_bframes"
enable=""
for kind in encoder decoder muxer demuxer parser filter bsf; do
    case $kind in
    encoder) list=$encoders ;; decoder) list=$decoders ;; muxer) list=$muxers ;;
    demuxer) list=$demuxers ;; parser) list=$parsers ;; filter) list=$filters ;; bsf) list=$bsfs ;;
    esac
    for name in $list; do enable="$enable --enable-$kind=$name"; done
done

log "configuring ffmpeg $version with$extra"
mkdir build
cd build
# shellcheck disable=SC2086 # word lists on purpose
PKG_CONFIG_LIBDIR="$deps/lib/pkgconfig" "../$src/configure" --prefix="$out" \
    --target-os=mingw32 --arch=x86_64 --cross-prefix=$host- --cc=$host-gcc-posix \
    --pkg-config=pkg-config --pkg-config-flags=--static \
    --extra-cflags="-I$deps/include" --extra-ldflags="-L$deps/lib -static" \
    --disable-autodetect --disable-x86asm --disable-debug --disable-doc --disable-network \
    --disable-ffplay --disable-ffprobe --disable-avdevice --disable-postproc \
    --disable-everything --enable-protocol=file --enable-protocol=pipe \
    $enable $extra >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    tail -n 40 ffbuild/config.log >&2
    exit 1
}
make -j "$jobs" >"$work/make.log" 2>&1 || {
    tail -n 40 "$work/make.log" >&2
    exit 1
}
cp ffmpeg.exe "$out/"
$host-strip "$out/ffmpeg.exe"
cd "$work"

# Its licences and where its source comes from, to ship beside it.
lic=$out/licenses
mkdir -p "$lic/FFmpeg"
cp "$src/COPYING.LGPLv2.1" "$src/LICENSE.md" "$lic/FFmpeg/"
{
    echo "ffmpeg.exe is FFmpeg $version, built for Windows (mingw-w64) under the LGPL, version 2.1 or later."
    echo "Source: the Debian source package \"ffmpeg\" version $debver, from"
    echo "  https://deb.debian.org/debian/pool/main/f/ffmpeg/ or \`apt-get source ffmpeg=$debver\`."
    echo "It is configured by scripts/build-windows-ffmpeg.sh in Clipvane's source with:"
    echo "  --disable-everything --disable-x86asm$extra (see that script for the enabled components)"
    for dep in lame libogg libvorbis; do
        [ -f "$work/$dep.version" ] || continue
        echo "It links $dep, from the Debian source package \"$(cat "$work/$dep.version")\"."
    done
} >"$lic/FFmpeg/SOURCE.txt"
if [ -f "$work/lame.version" ]; then
    mkdir -p "$lic/LAME" && cp lame-[0-9]*/COPYING "$lic/LAME/"
fi
if [ -f "$work/libvorbis.version" ]; then
    mkdir -p "$lic/libogg" "$lic/libvorbis"
    cp libogg-[0-9]*/COPYING "$lic/libogg/" && cp libvorbis-[0-9]*/COPYING "$lic/libvorbis/"
fi
touch "$out/.complete"
mv -T "$out" "$prefix"
echo "$prefix"
