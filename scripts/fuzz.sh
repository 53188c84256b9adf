#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for SECONDS (default 3),
# starting from inputs made of a sample school. Needs the tool of the main build.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-3}"
shift || true
build="$root/build-fuzz"
tool="${ZS_TOOL:-$root/build-test/tools/zamanseri-tool}"
cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$build"
sample="$(mktemp -d)"
# The folder target writes a working directory per input: in memory where there is room.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="$sample"
export ZS_FUZZ_DIR="$(mktemp -d -p "$shm" zs-fuzz-XXXXXX)"
trap 'rm -rf "$sample" "$ZS_FUZZ_DIR"' EXIT
"$tool" sample "$sample/school" --classes 16 --seed 1
"$tool" schedule "$sample/school" --level 1 --quiet >/dev/null
"$build/fuzz_seeds" "$sample/school" "$build/seeds"
targets=("$@")
if ((${#targets[@]} == 0)); then
  for t in "$build"/fuzz_*; do
    name="$(basename "$t")"
    [ -f "$t" ] && [ -x "$t" ] && [ "$name" != fuzz_seeds ] && targets+=("$name")
  done
fi
for name in "${targets[@]}"; do
  mkdir -p "$build/corpus/$name"
  echo "== $name, $seconds s"
  log="$build/$name.log"
  if ! ASAN_OPTIONS="detect_leaks=1" "$build/$name" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=300000 -print_final_stats=1 -artifact_prefix="$build/" \
      "$build/corpus/$name" "$build/seeds/$name" >"$log" 2>&1; then
    tail -40 "$log"
    echo "$name failed"
    exit 1
  fi
  grep -E "^stat::number_of_executed_units" "$log" || true
done
