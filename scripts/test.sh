#!/usr/bin/env bash
# Set-up, build, then every check headless: the test suite built with the
# address and undefined-behaviour sanitizers, the fuzz targets for a bounded
# time, and last the test suite of the Release build (its summary ends the run).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
echo "== sanitizers"
bash "$root/scripts/sanitize.sh"
echo "== fuzzing"
bash "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-30}"
echo "== tests"
cd "$root/build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "${JOBS:-2}" --timeout 300
