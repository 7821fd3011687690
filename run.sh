#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Lernwerk.
set -euo pipefail
cd "$(dirname "$0")"
tools/install_deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLERNWERK_BENCH=OFF >/dev/null
cmake --build build --target lernwerk
exec build/app/lernwerk
