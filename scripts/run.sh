#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own per-user folder
# (where PATH.PRG lives); the working directory defaults to ~/Zamanseri/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZS_BUILD_TESTS=OFF -DZS_BUILD_BENCH=OFF
cmake --build "$root/build"
home_dir="${XDG_DATA_HOME:-$HOME/.local/share}/zamanseri"
mkdir -p "$home_dir"
cd "$home_dir"
exec "$root/build/src/ui/zamanseri"
