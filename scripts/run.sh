#!/usr/bin/env bash
# Set-up, build, install dist/Sintarel/ and start the program from there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
exec "$root/dist/Sintarel/Sintarel"
