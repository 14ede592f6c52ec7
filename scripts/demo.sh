#!/usr/bin/env bash
# Builds the library and the ou tool, then runs the tool's tour of built-in examples.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target ou
build/default/tools/ou "$@"
