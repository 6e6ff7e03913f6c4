#!/usr/bin/env bash
# Installs the program folder from a build into a fresh temporary folder (so it
# also shows that a copied folder runs), starts it under Xvfb with the
# accessibility bus and drives it through AT-SPI (a11y_check.py).
#   a11y_check.sh [build dir] [screenshot folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shots="${2:-$build/screenshots}"
mkdir -p "$shots"
install_to=$(mktemp -d)
trap 'rm -rf "$install_to"' EXIT
cmake --install "$build" --prefix "$install_to" >/dev/null
export SINTAREL_ROOT="$root" SINTAREL_SHOTS="$shots" SINTAREL_DIST="$install_to/Sintarel"
# SINTAREL_SCREEN (e.g. 1920x1080) and SINTAREL_CANDIDATES (e.g. 100) vary the run.
xvfb-run -a -s "-screen 0 ${SINTAREL_SCREEN:-1280x1024}x24" dbus-run-session -- bash -c '
  set -u
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  sleep 1
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
  work=$(mktemp -d)
  cp -r "$SINTAREL_DIST/." "$work/"
  /usr/bin/python3 "$SINTAREL_ROOT/scripts/sample_session.py" "$work/Concorso giugno.vai" ${SINTAREL_CANDIDATES:-}
  "$work/Sintarel" &
  prog=$!
  rc=0
  timeout 120 /usr/bin/python3 "$SINTAREL_ROOT/scripts/a11y_check.py" "$SINTAREL_SHOTS" || rc=$?
  sleep 1
  if kill -0 $prog 2>/dev/null; then echo "a11y: the exit icon did not end the program"; kill $prog; rc=1; fi
  # The keyboard-only road, in a fresh folder as a new user finds it.
  keys=$(mktemp -d)
  cp -r "$SINTAREL_DIST/." "$keys/"
  (cd "$keys" && HOME="$keys" exec "$keys/Sintarel") &
  prog=$!
  timeout 150 /usr/bin/python3 "$SINTAREL_ROOT/scripts/a11y_check.py" "$SINTAREL_SHOTS" --keyboard "$keys" || rc=$?
  sleep 1
  if kill -0 $prog 2>/dev/null; then echo "a11y: the keyboard road did not end the program"; kill $prog; rc=1; fi
  rm -rf "$keys"
  kill $bus 2>/dev/null || true
  rm -rf "$work"
  exit $rc
'
