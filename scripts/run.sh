#!/usr/bin/env bash
# Set-up, build, install dist/Sintarel/ and start the program from there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/dist/Sintarel/Sintarel"
