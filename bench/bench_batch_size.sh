#!/bin/sh
# Cost per file as the batch grows: N empty inputs through clipvane-cli (one at a time) with the
# compiled fake encoder, against the same N fake encoder runs in a plain shell loop. Each size starts
# with an empty output folder. Wall time and CPU time (user+sys of the program and every child it
# waited for) per file, and the ratio of each to the loop's: on a machine shared with other work the
# wall figure moves with their load, the CPU figure much less.
# Usage: bench_batch_size.sh [BUILD_DIR] [SIZES...]   (default sizes: 250 2000 10000)
set -eu
build=${1:-build-rel}
[ $# -gt 0 ] && shift
sizes=${*:-250 2000 10000}
cli=$build/src/cli/clipvane-cli
fake=$build/tests/fake_encoder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the command under /usr/bin/time; leaves "wall cpu" seconds in $measured.
measure() {
    /usr/bin/time -f '%e %U %S' -o "$work/time" "$@"
    measured=$(awk '{ printf "%s %.3f", $1, $2 + $3 }' "$work/time")
}

printf '| files | loop wall ms/file | cli wall ms/file | wall ratio | loop CPU ms/file | cli CPU ms/file | CPU ratio |\n'
printf '|---|---|---|---|---|---|---|\n'
for n in $sizes; do
    rm -rf "$work/in" "$work/out" && mkdir "$work/in" "$work/out"
    (cd "$work/in" && seq 0 $((n - 1)) | sed 's/.*/f&.avi/' | xargs touch)

    measure sh -c 'for f in "$1"/in/*.avi; do
        name=${f##*/}
        "$2" -i "$f" --time 00:00:01.00 "$1/out/${name%.avi}.mp3" 2>/dev/null
    done' sh "$work" "$fake"
    loop=$measured
    [ "$(ls "$work/out" | wc -l)" -eq "$n" ] || { echo "the loop did not write $n files"; exit 1; }

    rm -rf "$work/out" && mkdir "$work/out"
    measure sh -c '"$1" --ffmpeg "$2" -p "ffmpeg -i %1 --time 00:00:01.00 %1.mp3" -o "$3/out" "$3"/in/*.avi >/dev/null' \
        sh "$cli" "$fake" "$work"
    cli_m=$measured
    [ "$(ls -A "$work/out" | wc -l)" -eq "$n" ] || { echo "clipvane-cli did not write $n files"; exit 1; }

    echo "$n $loop $cli_m" | awk '{ printf "| %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", $1,
        1000 * $2 / $1, 1000 * $4 / $1, $4 / $2, 1000 * $3 / $1, 1000 * $5 / $1, $5 / $3 }'
done
