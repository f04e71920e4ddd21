#!/usr/bin/env bash
# Installs what is missing, builds Ombrelix and the analyzer simulator and
# starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release --target ombrelix ombrelix-analyzer-sim
exec build/release/src/app/ombrelix "$@"
