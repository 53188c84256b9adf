#!/bin/sh
# Whole-process timings of `zamanseri-tool schedule` at the default settings on the
# generated schools: 40 classes seeds 1-20, 80 classes seeds 1-5, 255 classes seed 1.
# Usage: bench/schedule_seeds.sh path/to/zamanseri-tool [scratch folder]
set -eu
tool=$1
scratch=${2:-$(mktemp -d)}
run() {
    dir=$scratch/c$1s$2
    rm -rf "$dir"
    "$tool" sample "$dir" --classes "$1" --seed "$2"
    start=$(date +%s.%N)
    out=$("$tool" schedule "$dir" --quiet)
    end=$(date +%s.%N)
    impossible=$(printf '%s\n' "$out" | grep -c 'yerleşemez: ' || true)
    quality=$(printf '%s\n' "$out" | tail -n 2 | head -n 1)
    unplaced=$(printf '%s\n' "$out" | head -n 1)
    printf '%s\t%s\t%.2f s\t%s\t%s\tyerleşemez %s\n' "$1" "$2" \
        "$(echo "$end - $start" | bc)" "$unplaced" "$quality" "$impossible"
}
for seed in $(seq 1 20); do run 40 "$seed"; done
for seed in $(seq 1 5); do run 80 "$seed"; done
run 255 1
