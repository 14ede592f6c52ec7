#!/usr/bin/env bash
# Installs a built tree into a temporary prefix, then builds and runs a consumer project outside
# the source tree against it (scripts/package-check/). A missing resources folder named by
# OFFICEUTILS_RESOURCES_DIR must fail with its path.
# Usage: scripts/package-check.sh [BUILD_DIR] (default build/asan). The consumer is compiled with
# the same sanitizer flags as the build when its cache has OU_SANITIZE on.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/asan}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
find "$work/prefix/include" -name '*.h' | sort |
  sed "s|^$work/prefix/include/|#include \"|; s|\$|\"|" >"$work/all_headers.cpp"

flags=()
if grep -q '^OU_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  flags=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer")
fi
cmake -S scripts/package-check -B "$work/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_PREFIX_PATH="$work/prefix" -DOU_ALL_HEADERS="$work/all_headers.cpp" "${flags[@]}" \
  >/dev/null
cmake --build "$work/consumer" >/dev/null
export ASAN_OPTIONS=detect_leaks=1
"$work/consumer/consumer"

if OFFICEUTILS_RESOURCES_DIR="$work/missing" "$work/consumer/consumer" >"$work/missing.log" 2>&1 ||
  ! grep -q "$work/missing" "$work/missing.log"; then
  echo "package check: a missing resources folder did not fail with its path" >&2
  cat "$work/missing.log" >&2
  exit 1
fi
echo "package check: passed ($(grep -c '#include' "$work/all_headers.cpp") public headers)"
