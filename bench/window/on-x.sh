#!/usr/bin/env bash
# The hand-drawn point and its floor on a real X server of its own (Xvfb with
# openbox) at a screen scale, beside the Option key's round trip to the
# server, which a drawn point makes and the floor does not. Alt is held down
# in the server for the whole run, as the drawing needs it.
#   bash bench/window/on-x.sh [BUILD_DIR] [SCALE]
set -euo pipefail
build=${1:-build}
scale=${2:-1}
bench=$build/bench/quenlo_window_bench
[ -x "$bench" ] || { echo "missing $bench: run make build first" >&2; exit 1; }
for tool in Xvfb openbox xdotool; do command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }; done

XDG_RUNTIME_DIR=$(mktemp -d)
exec 3< <(exec Xvfb -displayfd 1 -screen 0 2600x1700x24 -nolisten tcp 2>/dev/null)
xvfb=$!
wm=""
trap 'xdotool keyup alt 2>/dev/null || true; kill $wm "$xvfb" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
read -r -t 10 display <&3 || { echo "Xvfb did not start within 10 s" >&2; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_RUNTIME_DIR
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
xdotool keydown alt
ratio=$(awk -v s="$scale" 'BEGIN { printf "%d", s * 100 + 0.5 }')
"$bench" --benchmark_filter="HandDrawnPoint.*/$ratio\$|OptionKeyQuery" --benchmark_repetitions=10 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
