#!/usr/bin/env bash
# Sets up and builds Quadrilo, rebuilds the bundled example floor with the program's own script,
# and opens it in the program; without a display it only runs the script and prints the log.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/bootstrap.sh"
program="$root/build/app/quadrilo"
example="$root/examples/pavimento-exemplo"
# The script runs in a home of its own, so the user's recent files stay as they are.
home=$(mktemp -d)
QT_QPA_PLATFORM=offscreen "$program" --home "$home" --script "$example.qscript" --exit ||
    { rm -rf "$home"; exit 1; }
# The engine keeps the previous drawing as a ".bak"; the example needs none.
rm -rf "$home" "$example.vec.bak"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exit 0
fi
exec "$program" "$example.vec"
