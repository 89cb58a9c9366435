#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer (ASan+UBSan) and runs each for SECONDS (default 60),
# as many at once as there are cores, each on a working corpus in build-fuzz/ seeded from
# bench/fuzz/corpus/.
#   bench/fuzz/run.sh [SECONDS] [TARGET...]    targets: output_parser ini_read ini_write
#                                              split_arguments profile_lookup (default: all)
# Prints executions, coverage and crashes per target; exits 1 when a target found a crash or a
# property that does not hold (the input is kept in build-fuzz/crashes/).
set -eu
cd "$(dirname "$0")/../.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-output_parser ini_read ini_write split_arguments profile_lookup}
compiler=${CLIPVANE_FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}
dir=build-fuzz

cmake -S bench/fuzz -B "$dir" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
for target in $targets; do
    cmake --build "$dir" -j "$(nproc)" --target "fuzz_$target" >/dev/null
done

status=0
mkdir -p "$dir/crashes"
# libFuzzer runs on one core: as many targets at once as there are cores.
slots=$(nproc)
running=0
for target in $targets; do
    mkdir -p "$dir/corpus/$target"
    (
        if "$dir/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
            -artifact_prefix="$dir/crashes/$target-" "$dir/corpus/$target" "bench/fuzz/corpus/$target" \
            >"$dir/fuzz_$target.log" 2>&1; then
            echo 0 >"$dir/fuzz_$target.status"
        else
            echo 1 >"$dir/fuzz_$target.status"
        fi
    ) &
    running=$((running + 1))
    if [ "$running" -ge "$slots" ]; then
        wait
        running=0
    fi
done
wait

printf '%-16s %8s %14s %8s %8s %8s\n' target seconds executions cov ft crashes
for target in $targets; do
    log="$dir/fuzz_$target.log"
    crashes=0
    if [ "$(cat "$dir/fuzz_$target.status")" != 0 ]; then
        crashes=1
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    features=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    printf '%-16s %8s %14s %8s %8s %8s\n' "$target" "$seconds" "${executions:-?}" "${coverage:-?}" \
        "${features:-?}" "$crashes"
    [ "$crashes" = 0 ] || tail -n 30 "$log"
done
exit $status
