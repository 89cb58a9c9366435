#!/bin/sh
# Builds Clipvane and starts the desktop program. Without a display it says so and shows a real
# conversion with the command-line twin instead: a short generated clip converted with two profiles.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DCLIPVANE_BUILD_TESTS=OFF -DCLIPVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j "$(nproc)" --target clipvane clipvane-cli

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build-run/src/app/clipvane
fi

cli=build-run/src/cli/clipvane-cli
demo=${TMPDIR:-/tmp}/clipvane-demo
mkdir -p "$demo/out"
ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=5:size=320x240:rate=25 \
       -f lavfi -i sine=frequency=440:duration=5 -c:v mpeg4 -c:a aac -shortest "$demo/sample clip.avi"

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): converting $demo/sample clip.avi with clipvane-cli instead."
"$cli" --overwrite yes -p "MP3 - MPEG Layer-3 Audio" -o "$demo/out" "$demo/sample clip.avi"
"$cli" --overwrite yes -p "MPEG-4 (*.mp4)" -o "$demo/out" "$demo/sample clip.avi"
ls -l "$demo/out"
