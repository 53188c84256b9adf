#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it; it finds its per-user folder
# (where PATH.PRG lives) itself, and the working directory defaults to ~/Zamanseri/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZS_BUILD_TESTS=OFF -DZS_BUILD_BENCH=OFF
cmake --build "$root/build"
exec "$root/build/src/ui/zamanseri"
