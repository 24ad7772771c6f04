#!/usr/bin/env bash
# Start-up and memory of the program beside a bare Qt window, in a real X
# server of its own: the median milliseconds from start to the first painted
# prompt over RUNS starts of each (taken in turn), and the peak resident
# memory of a start, one click and Ctrl+Q.
#   bash bench/startup/measure.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-30}
quenlo=$build/shell/quenlo
bare=$build/bench/bare_window
probe=$build/bench/first_paint
for f in "$quenlo" "$bare" "$probe"; do [ -x "$f" ] || { echo "missing $f: run make build first" >&2; exit 1; }; done

XDG_RUNTIME_DIR=$(mktemp -d)
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1400x900x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
read -r -t 10 display <&3 || { echo "Xvfb did not start within 10 s" >&2; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# The prompt's place, below a menu bar of any height; nothing else there is red.
q_times=() b_times=()
for ((i = 0; i < runs; i++)); do
  q_times+=("$("$probe" 640 500 560 120 "$quenlo")")
  sleep 0.3
  b_times+=("$("$probe" 640 500 560 120 "$bare")")
  sleep 0.3
done
printf 'first paint, median of %d: quenlo %s ms, bare Qt window %s ms\n' "$runs" \
  "$(printf '%s\n' "${q_times[@]}" | median)" "$(printf '%s\n' "${b_times[@]}" | median)"

peak() {  # PROGRAM TITLE: peak resident set of a start, a click and Ctrl+Q
  local out
  out=$(mktemp)
  /usr/bin/time -v -o "$out" "$1" &
  local pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1 && break; sleep 0.05; done
  sleep 0.5
  xdotool mousemove 300 400 click 1 sleep 0.3 key ctrl+q
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  # $pid is time's; a program that did not quit is its child.
  pkill -P "$pid" 2>/dev/null || true
  wait "$pid" || true
  awk -F': ' '/Maximum resident/ {print $2}' "$out"
  rm -f "$out"
}
printf 'peak memory: quenlo %s KiB, bare Qt window %s KiB\n' "$(peak "$quenlo" Quenlo)" "$(peak "$bare" Bare)"
