#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the test suite there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-asan"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSINTAREL_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
cd "$build"
# Leaks inside system libraries (fontconfig, the platform plugin) are not ours.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "${JOBS:-2}" --timeout 600 -E '^(desktop\.|bench\.)'
