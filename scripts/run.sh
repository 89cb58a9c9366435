#!/bin/sh
# Builds Clipvane and runs it. Until the main window lands, this shows a real conversion with the
# command-line twin: a short generated clip converted with two catalog profiles.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DCLIPVANE_BUILD_TESTS=OFF -DCLIPVANE_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j "$(nproc)" --target clipvane-cli

cli=build-run/src/clipvane-cli
demo=${TMPDIR:-/tmp}/clipvane-demo
mkdir -p "$demo/out"
ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=5:size=320x240:rate=25 \
       -f lavfi -i sine=frequency=440:duration=5 -c:v mpeg4 -c:a aac -shortest "$demo/sample clip.avi"

echo "The desktop window is not built yet; converting $demo/sample clip.avi with clipvane-cli:"
"$cli" --overwrite yes -p "MP3 - MPEG Layer-3 Audio" -o "$demo/out" "$demo/sample clip.avi"
"$cli" --overwrite yes -p "MPEG-4 (*.mp4)" -o "$demo/out" "$demo/sample clip.avi"
ls -l "$demo/out"
