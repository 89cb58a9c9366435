#!/bin/sh
# Parallel batches against the plain encoder: 12 three-second clips to "MP3 - MPEG Layer-3 Audio",
# converted by clipvane-cli with --jobs 2 and --jobs 1, and by the same 12 encoder commands run one
# after another in a shell loop. Rounds alternate the three ways; the table gives the medians.
# Usage: bench_jobs.sh [CLIPVANE_CLI] [ROUNDS]
set -eu
cli=${1:-build-rel/src/cli/clipvane-cli}
rounds=${2:-3}
profile="MP3 - MPEG Layer-3 Audio"
params=$("$cli" --list | awk -F'\t' -v p="$profile" '$2 == p { print $4 }')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
for i in $(seq -w 1 12); do
    ffmpeg -loglevel error -f lavfi -i "sine=frequency=$((200 + 20 * ${i#0})):duration=3:sample_rate=44100" \
        -ac 2 "$work/in/clip $i.wav"
done

now() { date +%s.%N; }
loop() {
    rm -rf "$work/out" && mkdir "$work/out"
    for f in "$work"/in/*.wav; do
        name=$(basename "$f" .wav)
        # $params is split on blanks on purpose, as the encoder's argument string is.
        # shellcheck disable=SC2086
        ffmpeg -nostdin -loglevel error -y -i "$f" $params "$work/out/$name.mp3"
    done
}
jobs() {
    rm -rf "$work/out" && mkdir "$work/out"
    "$cli" --jobs "$1" --overwrite yes -p "$profile" -o "$work/out" "$work"/in/*.wav >/dev/null
    [ "$(ls "$work/out" | wc -l)" -eq 12 ] || { echo "clipvane-cli --jobs $1 did not write 12 files"; exit 1; }
}
timed() { start=$(now); "$@"; echo "$(now) - $start" | bc; }

: >"$work/loop"; : >"$work/j1"; : >"$work/j2"
for _ in $(seq 1 "$rounds"); do
    timed loop >>"$work/loop"
    timed jobs 2 >>"$work/j2"
    timed jobs 1 >>"$work/j1"
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
l=$(median "$work/loop"); j1=$(median "$work/j1"); j2=$(median "$work/j2")
printf '| way | median s | against the loop | target |\n|---|---|---|---|\n'
printf '| shell loop of 12 encoder commands | %.2f | 1.00 | |\n' "$l"
printf '| clipvane-cli --jobs 1 | %.2f | %.2f | <= 1.03 |\n' "$j1" "$(echo "$j1 / $l" | bc -l)"
printf '| clipvane-cli --jobs 2 | %.2f | %.2f | <= 0.65 |\n' "$j2" "$(echo "$j2 / $l" | bc -l)"
