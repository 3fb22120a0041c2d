#!/usr/bin/env bash
# Builds all targets and runs every test: Linux x86_64 (plain and ASan+UBSan),
# Linux i386 under qemu-i386, and the Windows i686 DLLs (built and inspected).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in default asan i386 mingw; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -- -j2
  ctest --preset "$preset"
done
