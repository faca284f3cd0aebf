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

# The core and CLI tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a few seconds
# (QUELMO_SANITIZE=0 leaves this step out of a quick local run).
if [[ ${QUELMO_SANITIZE:-1} != 0 ]]; then
  rm -rf build/sanitize
  cmake --preset=sanitize
  cmake --build --preset=sanitize
  ctest --preset=sanitize
fi

if [[ -x scripts/test-windows.sh ]]; then
  scripts/test-windows.sh
fi
