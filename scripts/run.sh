#!/usr/bin/env bash
# Sets the machine up, builds and starts Valsit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -x build/valsit ]; then
    exec build/valsit "$@"
fi
exec build/valsit-calc council --seats 41 examples/council.csv
