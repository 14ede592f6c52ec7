#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test:
# unit tests and the replay of each fuzz corpus; then installs the build into a temporary prefix
# and builds and runs a consumer of the installed package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
scripts/package-check.sh build/asan
