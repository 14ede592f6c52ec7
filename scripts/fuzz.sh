#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, ASan, UBSan) and runs each for SECONDS
# (default 60) from its checked-in corpus, two at a time, then prints runs, coverage and the
# verdict of every target. New inputs go to a scratch folder, never into fuzz/corpus/; a crash,
# leak or time-out leaves its input in build/fuzz/artifacts/ and makes the script fail.
# A target's fuzz/OU_XxxFuzzer.options ([libfuzzer] key = value lines) adds its own flags,
# such as max_len or timeout.
# With FUZZ_KEEP=1 the grown inputs stay in build/fuzz/grown/<component>/, to be read or
# minimised into seeds afterwards (e.g. `OU_XxxFuzzer -merge=1 NEW_DIR build/fuzz/grown/OU_Xxx`).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET_NAME_FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
filter=${2:-}
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

artifacts=build/fuzz/artifacts
logs=build/fuzz/logs
if [ "${FUZZ_KEEP:-0}" = 1 ]; then
  scratch=build/fuzz/grown
  mkdir -p "$scratch"
else
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
fi
mkdir -p "$artifacts" "$logs"

run_target() {
  local binary=$1 name component options=()
  name=$(basename "$binary")
  component=${name%Fuzzer}
  if [ -f "fuzz/$name.options" ]; then
    while IFS='=' read -r key value; do
      key=$(echo "$key" | tr -d '[:space:]')
      value=$(echo "$value" | tr -d '[:space:]')
      [[ -z "$key" || "$key" == \[* || "$key" == \#* ]] || options+=("-$key=$value")
    done <"fuzz/$name.options"
  fi
  mkdir -p "$scratch/$component"
  local seeds=()
  [ -d "fuzz/corpus/$component" ] && seeds=("fuzz/corpus/$component")
  "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$component-" "${options[@]}" "$scratch/$component" \
    "${seeds[@]}" >"$logs/$name.log" 2>&1
}

targets=()
for binary in build/fuzz/fuzz/OU_*Fuzzer; do
  [[ -z "$filter" || "$(basename "$binary")" == *"$filter"* ]] && targets+=("$binary")
done

declare -A status
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for binary in "${targets[@]:i:2}"; do
    run_target "$binary" &
    pids+=("$!:$binary")
  done
  for entry in "${pids[@]}"; do
    if wait "${entry%%:*}"; then status[${entry#*:}]=clean; else status[${entry#*:}]=FAILED; fi
  done
done

failed=0
printf '%-34s %12s %8s %8s %s\n' target runs cov ft result
for binary in "${targets[@]}"; do
  name=$(basename "$binary")
  log="$logs/$name.log"
  runs=$(grep -oE 'stat::number_of_executed_units: [0-9]+' "$log" | grep -oE '[0-9]+$' || true)
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+' || true)
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+' || true)
  printf '%-34s %12s %8s %8s %s\n' "$name" "${runs:--}" "${cov:--}" "${ft:--}" "${status[$binary]}"
  if [ "${status[$binary]}" != clean ]; then
    failed=1
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 | sed 's/^/    /'
  fi
done
exit "$failed"
