#!/usr/bin/env bash
# Runs the fuzz targets, each for a bounded time, starting from its seeds in
# fuzz/corpus/<target>/. New inputs go to a temporary directory, never into
# the repository; a crash is kept in BUILD/fuzz-artifacts/ and fails the run.
#
#   fuzz/run.sh BUILD SECONDS [TARGET ...]     (default: every target)
set -uo pipefail

build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(val str format fields equation simulation)

seeds=$(cd "$(dirname "$0")" && pwd)/corpus
artifacts=$build/fuzz-artifacts
logs=$build/fuzz-logs
mkdir -p "$artifacts" "$logs"
work=$(mktemp -d "${TMPDIR:-/tmp}/quenlo-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=()
for target in "${targets[@]}"; do
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1)
  # Val is fed texts of hundreds of digits from the start.
  [ "$target" = val ] && options+=(-len_control=0)
  mkdir -p "$work/$target"
  log=$logs/$target.log
  if "$build/fuzz/fuzz_$target" "${options[@]}" -artifact_prefix="$artifacts/$target-" \
      "$work/$target" "$seeds/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: no findings in ${runs:-?} runs"
  else
    echo "fuzz_$target: FAILED, the input is in $artifacts; the end of $log:"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done

[ ${#failed[@]} -eq 0 ] || { echo "Fuzz findings: ${failed[*]}"; exit 1; }
