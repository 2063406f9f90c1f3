#!/usr/bin/env bash
# Sets up and builds Quadrilo, then analyses the bundled example grillage.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/bootstrap.sh"
"$root/build/engine/quadrilo-calc" "$root/examples/laje-400x500.txt" "$root/build/gOutput.txt"
