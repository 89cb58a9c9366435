#!/bin/sh
# Cost per file as the batch grows: N empty inputs through clipvane-cli (one at a time) with the
# compiled fake encoder, against the same N fake encoder runs in a plain shell loop. Each size starts
# with an empty output folder; the table gives milliseconds per file and the ratio to the loop.
# Usage: bench_batch_size.sh [BUILD_DIR] [SIZES...]   (default sizes: 250 2000 10000)
set -eu
build=${1:-build-rel}
[ $# -gt 0 ] && shift
sizes=${*:-250 2000 10000}
cli=$build/src/cli/clipvane-cli
fake=$build/tests/fake_encoder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
printf '| files | loop ms/file | clipvane-cli ms/file | against the loop |\n|---|---|---|---|\n'
for n in $sizes; do
    rm -rf "$work/in" "$work/out" && mkdir "$work/in" "$work/out"
    i=0
    while [ $i -lt "$n" ]; do : >"$work/in/f$i.avi"; i=$((i + 1)); done

    start=$(now)
    for f in "$work"/in/*.avi; do
        name=$(basename "$f" .avi)
        "$fake" -i "$f" --time 00:00:01.00 "$work/out/$name.mp3" 2>/dev/null
    done
    loop=$(echo "$(now) - $start" | bc)
    [ "$(ls "$work/out" | wc -l)" -eq "$n" ] || { echo "the loop did not write $n files"; exit 1; }

    rm -rf "$work/out" && mkdir "$work/out"
    start=$(now)
    "$cli" --ffmpeg "$fake" -p 'ffmpeg -i %1 --time 00:00:01.00 %1.mp3' -o "$work/out" "$work"/in/*.avi >/dev/null
    cli_s=$(echo "$(now) - $start" | bc)
    [ "$(ls -A "$work/out" | wc -l)" -eq "$n" ] || { echo "clipvane-cli did not write $n files"; exit 1; }

    printf '| %s | %.2f | %.2f | %.2f |\n' "$n" "$(echo "1000 * $loop / $n" | bc -l)" \
        "$(echo "1000 * $cli_s / $n" | bc -l)" "$(echo "$cli_s / $loop" | bc -l)"
done
