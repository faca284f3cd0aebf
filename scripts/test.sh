#!/usr/bin/env bash
# Builds everything from scratch and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
rm -rf build/ci
cmake --preset=ci
cmake --build --preset=ci
QT_QPA_PLATFORM=offscreen ctest --preset=ci
scripts/check-package.sh build/ci

if [[ -x scripts/test-windows.sh ]]; then
  scripts/test-windows.sh
fi
