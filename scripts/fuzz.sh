#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) and runs each for a bounded time from its corpus; any finding
# fails the run.   fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-${FUZZ_SECONDS:-60}}"
build="$root/build-fuzz"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSINTAREL_FUZZ=ON \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  work=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "fuzz: $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=20000 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/crash-$name-" "$work" > "$build/fuzz-$name.log" 2>&1; then
    echo "fuzz: $name FOUND A PROBLEM"; tail -40 "$build/fuzz-$name.log"; status=1
  fi
  grep -E "stat::number_of_executed_units" "$build/fuzz-$name.log" | sed "s/^/fuzz: $name /" || true
  rm -rf "$work"
done
exit $status
