#!/bin/sh
# Builds ffmpeg.exe for 64-bit Windows from Debian's own ffmpeg source with mingw-w64 (posix threads),
# static, under the GPL (version 2 or later), with just the parts the profile catalog and the usual
# inputs need: LAME for MP3, libogg/libvorbis for OGG and x264 for H.264, all from Debian's sources
# too. Each of them is required: a build that lacks one fails rather than cache less.
# Installs into a cache folder keyed on everything that shapes the result: this script, each source
# package (its .dsc, read from apt's metadata without downloading anything), the compiler, the
# mingw-w64 runtime and the assembler:
#   /var/cache/clipvane/ as root, else ${XDG_CACHE_HOME:-~/.cache}/clipvane/
# Prints the install folder on its last line. A present cache costs a second.
#   sh scripts/build-windows-ffmpeg.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
host=x86_64-w64-mingw32
packages="ffmpeg lame libogg libvorbis x264"
toolchain="gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 nasm"
log() { echo "build-windows-ffmpeg: $*" >&2; }

have_tools() {
    for tool in $host-gcc-posix nasm dpkg-parsechangelog make; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool"; return 1; }
    done
}
if [ "$(id -u)" = 0 ] && ! have_tools >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        gcc-mingw-w64-x86-64-posix dpkg-dev make nasm >&2
fi
missing=$(have_tools) || { log "$missing is missing (scripts/install-deps.sh)"; exit 1; }

# The .dsc apt-get source would fetch for each package: its name carries the version, its checksum
# the exact source. Needs the deb-src entry scripts/build-windows-qt.sh sets up.
# shellcheck disable=SC2086 # word lists on purpose
dscs=$(cd / && apt-get source --print-uris $packages 2>/dev/null |
    sed -n "s/^'[^']*' \([^ ]*\.dsc\) [0-9]* \(SHA256:[0-9a-f]*\)\$/\1 \2/p")
if [ "$(echo "$dscs" | grep -c '\.dsc')" != 5 ]; then
    log "apt knows no source for some of: $packages (run scripts/build-windows-qt.sh as root once for the deb-src entry)"
    exit 1
fi
# shellcheck disable=SC2086 # word lists on purpose
hash=$({
    cat "$here/build-windows-ffmpeg.sh"
    echo "$dscs"
    $host-gcc-posix --version | head -n 1
    dpkg-query -W -f '${Package} ${Version}\n' $toolchain 2>/dev/null || true
    nasm -v
} | sha256sum | cut -c1-12)
version=$(echo "$dscs" | sed -n 's/^ffmpeg_\([0-9.]*\).*/\1/p')
if [ "$(id -u)" = 0 ]; then cache=/var/cache/clipvane; else cache=${XDG_CACHE_HOME:-$HOME/.cache}/clipvane; fi
prefix=$cache/ffmpeg-$version-gpl-mingw-$hash
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
mkdir -p "$cache"

work=$(mktemp -d "${TMPDIR:-/tmp}/clipvane-ffmpeg.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
jobs=$(nproc)
deps=$work/deps
mkdir -p "$deps/include" "$deps/lib/pkgconfig"

# Debian's sources, patches applied.
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
built() { # name, source folder: notes the version for SOURCE.txt
    echo "$1 $(version_of "$2")" >"$work/$1.version"
}
failed() { # name: the tail of its log, and the end of the build
    tail -n 30 "$work/$1.log" >&2
    log "$1 did not build"
    exit 1
}

autotools_lib() { # package, configure arguments...
    name=$1; shift
    dir=$(source_of "$name") || exit 1
    (cd "$dir" && ./configure --host=$host --prefix="$deps" --enable-static --disable-shared \
        CC=$host-gcc-posix CFLAGS="-O2" "$@" && make -j "$jobs" && make install) >"$work/$name.log" 2>&1 ||
        failed "$name"
    built "$name" "$dir"
}

autotools_lib lame --disable-frontend --disable-decoder --disable-gtktest
autotools_lib libogg
autotools_lib libvorbis --disable-docs --disable-examples --disable-oggtest PKG_CONFIG_LIBDIR="$deps/lib/pkgconfig"

# x264 with its assembly (nasm): without it encoding is several times slower, for a minute's build.
# 8-bit only, the depth every profile writes; the 10-bit copy would double the build.
dir=$(source_of x264) || exit 1
(cd "$dir" && CC=$host-gcc-posix AS=nasm ./configure --host=$host --cross-prefix=$host- --prefix="$deps" \
    --enable-static --disable-cli --bit-depth=8 --disable-opencl --disable-avs --disable-swscale \
    --disable-lavf --disable-ffms --disable-gpac --disable-lsmash && make -j "$jobs" && make install) \
    >"$work/x264.log" 2>&1 || failed x264
built x264 "$dir"

src=$(source_of ffmpeg) || exit 1
debver=$(version_of "$src")
# Installed here first and moved into the cache whole, so the cache never holds half a build.
out=$work/out
mkdir -p "$out"

# What the catalog writes (encoders, muxers), what users commonly feed in (decoders, demuxers,
# parsers) and what ffmpeg inserts on its own to scale, resample and retime.
encoders="aac ac3 adpcm_swf dvvideo flv h263 mp2 mpeg1video mpeg2video mpeg4 msmpeg4v3 pcm_s16le
    pcm_s16be wmav2 wmv2 libmp3lame libvorbis libx264"
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
libs="--enable-gpl --enable-libmp3lame --enable-libvorbis --enable-libx264"

log "configuring ffmpeg $version with $libs"
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
    $enable $libs >"$work/configure.log" 2>&1 || {
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
mkdir -p "$lic/FFmpeg" "$lic/LAME" "$lic/libogg" "$lic/libvorbis" "$lic/x264"
cp "$src/COPYING.GPLv2" "$src/COPYING.LGPLv2.1" "$src/LICENSE.md" "$lic/FFmpeg/"
cp lame-[0-9]*/COPYING "$lic/LAME/"
cp libogg-[0-9]*/COPYING "$lic/libogg/"
cp libvorbis-[0-9]*/COPYING "$lic/libvorbis/"
cp x264-[0-9]*/COPYING "$lic/x264/"
{
    echo "ffmpeg.exe is FFmpeg $version, built for Windows (mingw-w64) under the GNU General Public License,"
    echo "version 2 or later (COPYING.GPLv2), as it links x264, which is GPL."
    echo "Source: the Debian source package \"ffmpeg\" version $debver, from"
    echo "  https://deb.debian.org/debian/pool/main/f/ffmpeg/ or \`apt-get source ffmpeg=$debver\`."
    echo "It is configured by scripts/build-windows-ffmpeg.sh in Clipvane's source with:"
    echo "  --disable-everything --disable-x86asm $libs (see that script for the enabled components)"
    for dep in lame libogg libvorbis x264; do
        read -r name ver <"$work/$dep.version"
        echo "It links $name from the Debian source package \"$name\" version $ver (\`apt-get source $name=$ver\`)."
    done
} >"$lic/FFmpeg/SOURCE.txt"
touch "$out/.complete"
mv -T "$out" "$prefix"
echo "$prefix"
