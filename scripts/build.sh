#!/usr/bin/env bash
# Configures and builds Sintarel in Release into build/, then installs the
# portable program folder dist/Sintarel/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build -j "${JOBS:-2}"
cmake --install build --prefix "$root/dist" >/dev/null
