#!/usr/bin/env bash
# Builds the libraries and the simulated host, then runs iodrv-sim with the
# given options (none: its defaults).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target iodrv-sim >/dev/null
exec build/default/bin/iodrv-sim "$@"
