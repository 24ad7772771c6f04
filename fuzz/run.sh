#!/usr/bin/env bash
# Runs the fuzz targets side by side, each for a bounded time on one core,
# starting from its seeds in fuzz/corpus/<target>/. New inputs go to a
# temporary directory, never into the repository; a crash is kept in
# BUILD/fuzz-artifacts/ and fails the run.
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
pids=()
# An interrupted run takes its targets with it.
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT

# Each target is one libFuzzer process (one worker, one core), all at once.
for target in "${targets[@]}"; do
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1)
  # Val is fed texts of hundreds of digits from the start.
  [ "$target" = val ] && options+=(-len_control=0)
  mkdir -p "$work/$target"
  "$build/fuzz/fuzz_$target" "${options[@]}" -artifact_prefix="$artifacts/$target-" \
    "$work/$target" "$seeds/$target" >"$logs/$target.log" 2>&1 &
  pids+=($!)
done

# The reports in the targets' order, once each has ended.
failed=()
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  log=$logs/$target.log
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: no findings in ${runs:-?} runs"
  else
    echo "fuzz_$target: FAILED, the input is in $artifacts; the end of $log:"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done
pids=()

[ ${#failed[@]} -eq 0 ] || { echo "Fuzz findings: ${failed[*]}"; exit 1; }
