# What the end-to-end scripts share: an X server of their own, the program
# started in it, xdotool to drive it, and screenshots and the clipboard to
# check what it shows. Sourced by each script after `set -euo pipefail`, with
# the program's path in $quenlo.

skip() {
  echo "SKIPPED: $*"
  exit 77
}
# Skips the script where one of the tools is missing.
need() {
  local tool
  for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
}
need Xvfb xdotool xwininfo xclip import convert
[ -x "$quenlo" ] || { echo "FAIL: no program at $quenlo"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quenlo-e2e.XXXXXX")
app_pid=""
# Every process a script starts, ended in reverse order when it exits.
started=()
cleanup() {
  local status=$? i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then
    rm -rf "$work"
  else
    echo "screenshots and logs kept in $work"
  fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ -f "$work/screen.miff" ] && convert "$work/screen.miff" "$work/failed.png" 2>/dev/null
  exit 1
}

# ---- The X server, on a display number it picks itself ----

start_x_server() {
  Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  local xvfb=$! _
  started+=("$xvfb")
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || skip "Xvfb could not start: $(tail -n 1 "$work/xvfb.log")"
    sleep 0.1
  done
  [ -s "$work/display" ] || skip "Xvfb did not start within 10 s"

  export DISPLAY=":$(head -n 1 "$work/display")"
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
}

# ---- The program's window: 1200 x 700 below its menu bar ----

# Starts the program and waits for its window; sets win, OX and OY, the
# screen position of the window's content, where the control table places
# the controls.
start_quenlo() {
  "$quenlo" >"$work/quenlo.log" 2>&1 &
  app_pid=$!
  started+=("$app_pid")
  win=""
  local _
  for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || fail "quenlo exited at start: $(tail -n 3 "$work/quenlo.log")"
    win=$(xdotool search --onlyvisible --name '^Quenlo$' 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "no window named Quenlo within 30 s"

  local info width height
  info=$(xwininfo -id "$win")
  field() { sed -n "s/^ *$1: *\(-\?[0-9]*\)$/\1/p" <<<"$info"; }
  width=$(field 'Width')
  height=$(field 'Height')
  [ "$width" -eq 1200 ] || fail "window is $width pixels wide, not 1200"
  # Control positions are in the window's content, which sits under the menu bar.
  OX=$(field 'Absolute upper-left X')
  OY=$(($(field 'Absolute upper-left Y') + height - 700))
}

# Ctrl+Q ends the program, with status 0.
quit_from_the_keyboard() {
  xdotool mousemove $((OX + 300)) $((OY + 200)) key ctrl+q
  local _ status=0
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
  wait "$app_pid" || status=$?
  [ "$status" -eq 0 ] || fail "quenlo ended with status $status: $(tail -n 5 "$work/quenlo.log")"
}

# ---- Screenshots and what they show ----

shot="$work/screen.miff"
take() {
  kill -0 "$app_pid" 2>/dev/null || fail "quenlo exited: $(tail -n 3 "$work/quenlo.log")"
  import -window root "$shot"
}
crop() { echo "${3}x${4}+$((OX + $1))+$((OY + $2))"; }

# Pixels of the colour (hex RRGGBB) in the rectangle x y w h of the window.
count() {
  convert "$shot" -alpha off -depth 8 -crop "$(crop "$2" "$3" "$4" "$5")" +repage -format %c histogram:info:- |
    awk -v c=" #$1 " 'index($0, c) { n = $1 + 0 } END { print n + 0 }'
}
# Dark pixels (text, lines) in the rectangle.
dark() {
  convert "$shot" -alpha off -depth 8 -crop "$(crop "$@")" +repage -colorspace Gray -threshold 50% -negate \
    -format '%[fx:round(mean*w*h)]' info:
}
# A fingerprint of what the rectangle shows.
sig() { convert "$shot" -alpha off -depth 8 -crop "$(crop "$@")" +repage -format '%#' info:; }

# Waits until the condition (a command line, run anew on each screenshot)
# holds, then until the window has stopped changing, and keeps that
# screenshot for the checks that follow.
wait_for() {
  local what=$1 condition=$2
  local deadline=$((SECONDS + 20))
  until take && eval "$condition"; do
    [ $SECONDS -lt $deadline ] || fail "waited 20 s for: $what"
    sleep 0.1
  done
  local before after _
  after=$(sig 0 0 1200 700)
  for _ in $(seq 20); do
    sleep 0.1
    before=$after
    take
    after=$(sig 0 0 1200 700)
    [ "$before" = "$after" ] && return 0
  done
  fail "the window kept changing after: $what"
}

check() {
  local what=$1
  shift
  "$@" || fail "$what"
}
above() { [ "$1" -gt "$2" ]; }
is() { [ "$1" = "$2" ]; }
isnt() { [ "$1" != "$2" ]; }

click() { xdotool mousemove $((OX + $1)) $((OY + $2)) click 1; }
# The control areas, as the control table places them.
ok() { click 705 643; }
shape() { click 893 606; }  # the input-shape label, left of its field
restart() { click 1146 646; }
toggle() { click $((65 + 86 * ($1 - 1) + 20)) 326; }  # 1 x, 2 y, 3 z, 4 w

# param(n) as its open handler places it: two columns of seven, 70 x 30.
field_left() { echo $((428 + 110 * ($1 / 7))); }
field_top() { echo $((456 + 33 * ($1 % 7))); }
px() { echo $(($(field_left "$1") + 35)); }
py() { echo $(($(field_top "$1") + 15)); }
type_into() {
  click "$(px "$1")" "$(py "$1")"
  xdotool key End BackSpace BackSpace BackSpace type --delay 20 "$2"
}

prompt() { sig 649 506 540 67; }
prompt_shown() { above "$(count FF0000 649 506 540 67)" 100; }
prompt_is_not() { isnt "$(prompt)" "$1"; }
prompt_is() { is "$(prompt)" "$1"; }

# The chart `diagram` at (691, 44), 500 x 400, zero line on row 200.
chart_pixel() {  # colour at chart x, within one row of chart y
  above "$(count "$1" $((691 + $2)) $((44 + $3 - 1)) 1 3)" 0
}
chart_has() { above "$(count "$1" 691 44 500 400)" "${2:-0}"; }
field_white() { above "$(count FFFFFF "$(field_left "$1")" "$(field_top "$1")" 70 30)" 1000; }
field_text() { dark $(($(field_left "$1") + 4)) $(($(field_top "$1") + 4)) 62 22; }
shape_text() { dark 908 591 74 29; }
table_first_row() { dark 12 342 370 18; }
cyan() { count E6FFFF 10 10 600 300; }

RED=B40000 GREEN=00B400 BLUE=0000B4

# The ring of a hand-drawn point at chart (x, 140), read straight from the
# screen: the left of the ring, also on the chart's last column.
ring() {
  kill -0 "$app_pid" 2>/dev/null || fail "quenlo exited: $(tail -n 3 "$work/quenlo.log")"
  local pixel
  pixel=$(import -window root -crop "$(crop $((691 + $1 - 2)) $((44 + 139)) 1 1)" -depth 8 txt:-)
  [[ $pixel == *" #000000 "* ]]
}

# The value table as the program copies it: a click into the table, Ctrl+A,
# Ctrl+C. The clipboard is read until it holds the expected number of rows,
# one line per row, the cells as shown, separated by tabs.
copy_table() {
  local rows=$1 text="" deadline=$((SECONDS + 10))
  click 200 350
  xdotool key ctrl+a ctrl+c
  until text=$(xclip -o -selection clipboard 2>/dev/null) && [ "$(wc -l <<<"$text")" -eq "$rows" ]; do
    [ $SECONDS -lt $deadline ] || fail "the copied table has $(wc -l <<<"$text") rows, not $rows"
    sleep 0.1
  done
  tr '\t' ' ' <<<"$text" >"$work/table.txt"
}
row() { sed -n "$(($1 + 1))p" "$work/table.txt"; }
