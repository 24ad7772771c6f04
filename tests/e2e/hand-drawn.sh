#!/usr/bin/env bash
# The hand-drawn reference in a real X server under a real window manager
# (openbox), beside another program (an xterm), driven by xdotool. The Option
# key is Alt as it is, whichever program had the keyboard when it went down
# or up: after Alt+Tab back to the program, and with the program never
# active, no move without Alt takes a point, and one with Alt held draws. On
# a German layout (setxkbmap de) the right-hand key draws too, as AltGr
# (ISO_Level3_Shift) and as Alt_R.
# A stroke without a button that leaves the chart over its right edge ends
# the curve on its last column, whether the pointer crosses the edge in small
# steps, in a burst or in one jump: OK takes the curve, 51 table rows.
# A stroke that skips a step, and OK on an incomplete curve, ring the X
# server's bell, each once.
#
#   hand-drawn.sh path/to/quenlo
#
# Exits 77 (skipped) where no X server, openbox or xterm can be started here.
set -euo pipefail

quenlo=${1:?usage: hand-drawn.sh path/to/quenlo}

source "$(dirname "$0")/lib.sh"
need openbox xterm xprop cc
start_x_server

# The X server's bell, counted by a client of its own built here.
cc -o "$work/bells" "$(dirname "$0")/bells.c" -lX11 2>"$work/bells-build.log" ||
  skip "the bell counter does not build: $(tail -n 1 "$work/bells-build.log")"
"$work/bells" >"$work/bells.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
  grep -q ready "$work/bells.log" && break
  sleep 0.1
done
grep -q ready "$work/bells.log" || skip "the bell counter did not start: $(tail -n 1 "$work/bells.log")"
bells() { grep -c '^bell$' "$work/bells.log" || true; }

openbox >"$work/openbox.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  skip "openbox did not start within 10 s: $(tail -n 1 "$work/openbox.log")"

start_quenlo

# The other program, in the screen's bottom right corner, clear of the window.
xterm -T other -geometry 30x3-0-0 >"$work/xterm.log" 2>&1 &
started+=($!)
other=""
for _ in $(seq 100); do
  other=$(xdotool search --onlyvisible --name '^other$' 2>/dev/null | head -n 1 || true)
  [ -n "$other" ] && break
  sleep 0.1
done
[ -n "$other" ] || fail "no xterm within 10 s: $(tail -n 3 "$work/xterm.log")"

# Runs the command until it succeeds, for at most the seconds given.
within() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
active() { [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$1" ]; }
activate_other() {
  xdotool windowactivate --sync "$other" 2>/dev/null || true
  within 10 active "$other" || fail "the xterm did not become active"
}

# ---- To the reference phase with w drawn by hand ----

# From the reference prompt: Sprung, Impuls, Hand.
choose_hand() {
  local last
  for _ in 1 2 3; do
    last=$(sig 905 588 80 35)
    shape
    wait_for "the next shape" 'isnt "$(sig 905 588 80 35)" "$last"'
  done
}

wait_for "the first prompt" 'prompt_shown'
ok
wait_for "the blocks" 'above "$(cyan)" 1000'
p_param=$(prompt)
# Controller T0 1, K0 2; plant T1 4, T0 1, K0 1, dead time 1.
for entry in 2:1 3:2 8:4 9:1 10:1 13:1; do type_into "${entry%:*}" "${entry#*:}"; done
ok
wait_for "the input-shape field" 'above "$(count 48FF9A 905 588 80 35)" 500'
p_dist=$(prompt)
ok
wait_for "the reference prompt" 'prompt_is_not "$p_dist"'
p_ref=$(prompt)
choose_hand
p_draw=$(prompt)

# ---- The pointer over the chart ----

chart_at() { xdotool mousemove $((OX + 691 + $1)) $((OY + 44 + $2)); }
chart() { sig 691 44 500 400; }
# The middle of the screen, where openbox shows the windows that Alt+Tab
# cycles through.
middle() {
  take
  convert "$shot" -alpha off -depth 8 -crop 400x100+500+400 +repage -format '%#' info:
}
# Waits for the ring of the point at chart (x, 140), moving the pointer to
# chart x (and one pixel left of it, by turns) until it shows.
wait_ring() {  # point x, pointer x
  local deadline=$((SECONDS + 10)) jiggle=0
  until chart_at $(($2 - jiggle)) 140 && ring "$1"; do
    [ $SECONDS -lt $deadline ] || { xdotool keyup alt; fail "no point at x $1 of the hand-drawn curve"; }
    jiggle=$((1 - jiggle))
  done
}
# Moves over the chart without a key, 10 pixels at a time on row 100 from the
# x given, the next point's step: each would take a point if the Option key
# were taken as held.
moves_without_alt() {
  for x in $(seq "$1" 10 99); do
    chart_at "$x" 100
    sleep 0.05
  done
}

# ---- 1. Alt down in the xterm, Alt+Tab back, a 2-pixel move, Alt up ----

activate_other
chart_at 2 140
wait_for "the chart at rest" 'true'
before=$(chart)
cycle_before=$(middle)
xdotool keydown alt key Tab
within 10 eval '[ "$(middle)" != "$cycle_before" ]' || { xdotool keyup alt; fail "openbox showed no window cycle"; }
chart_at 4 140
xdotool keyup alt
within 10 active "$win" || fail "Alt+Tab did not bring Quenlo back"
moves_without_alt 9
wait_for "the moves without Alt after Alt+Tab" 'true'
check "no point without Alt after Alt+Tab" is "$(chart)" "$before"
check "the drawing prompt stays" prompt_is "$p_draw"

# ---- 2. Quenlo never active: Alt down over the chart, a move, Alt up ----

activate_other
chart_at 2 140
xdotool keydown alt
wait_ring 10 12  # with Alt held the move draws point 1, at the stroke's height
xdotool keyup alt
check "the xterm kept the keyboard" active "$other"
wait_for "point 1" 'true'
before=$(chart)
moves_without_alt 19
wait_for "the moves without Alt after Alt was released in the xterm" 'true'
check "no point without Alt after Alt was released in the xterm" is "$(chart)" "$before"

# ---- 3. On a German layout: the right-hand Alt key, AltGr or Alt_R, draws ----

# Points 2 and 3, each with one key held; then moves with none take no point.
layout=$(setxkbmap -query 2>/dev/null | sed -n 's/^layout: *//p' || true)
if [ -n "$layout" ] && setxkbmap de 2>/dev/null; then
  chart_at 12 140
  next=20
  for key in ISO_Level3_Shift Alt_R; do
    xdotool keydown "$key"
    wait_ring "$next" $((next + 2))
    xdotool keyup "$key"
    next=$((next + 10))
  done
  wait_for "points 2 and 3" 'true'
  before=$(chart)
  moves_without_alt 39
  wait_for "the moves without a key on the German layout" 'true'
  check "no point without a key on the German layout" is "$(chart)" "$before"
  setxkbmap "$layout"
else
  echo "NOTE: setxkbmap cannot switch to the German layout here; AltGr and Alt_R not tried"
fi

# ---- 4. Strokes without a button over the chart's right edge ----

# Alt held and no button, the pointer 60 pixels above the zero line: from
# chart x 0 in 4-pixel moves 20 ms apart to x 496, the last one on the chart,
# then over the right edge to x 520 as the crossing says: in 4-pixel moves
# 20 ms apart, all at once, or in one jump. The moves go in runs of 100
# pixels, each awaited by its last point's ring; where a busy moment merged
# moves and a step was skipped, the run is done again point by point.
stroke() {
  local crossing=$1 start x path
  along() { path+=(mousemove $((OX + 691 + $1)) $((OY + 44 + 140)) "${@:2}"); }
  xdotool keydown alt
  for ((start = 0; start <= 496; start += 100)); do
    path=()
    for ((x = start; x < start + 100 && x <= 496; x += 4)); do
      along "$x" sleep 0.02
    done
    xdotool "${path[@]}"
    within 3 ring $(((x - 4 + 1) / 10 * 10)) && continue
    for ((x = start; x < start + 100 && x <= 496; x += 4)); do
      if [ $(((x + 1) / 10)) -gt 0 ]; then wait_ring $(((x + 1) / 10 * 10)) "$x"; fi
    done
  done
  path=()
  case $crossing in
    steps) for x in $(seq 500 4 520); do along "$x" sleep 0.02; done ;;
    burst) for x in $(seq 500 4 520); do along "$x"; done ;;
    jump) along 520 ;;
  esac
  xdotool "${path[@]}"
  within 10 ring 500 || { xdotool keyup alt; fail "no last point after crossing the edge ($crossing)"; }
  xdotool keyup alt
}

# OK takes the curve: the results, 51 rows, w the drawn height at every step.
ok_takes_the_curve() {
  wait_for "the hand-drawn curve ($1)" 'true'
  check "the drawing prompt stays ($1)" prompt_is "$p_draw"
  ok
  wait_for "the results ($1)" 'above "$(table_first_row)" 20'
  copy_table 51
  check "the last row is step 50 ($1)" is "$(row 50 | cut -d' ' -f1)" 50
  check "w is 0.60 from step 1 to 50 ($1)" is "$(sed -n '2,51p' "$work/table.txt" | cut -d' ' -f5 | sort -u)" 0.60
}

stroke steps
ok_takes_the_curve "4-pixel moves over the edge"

for crossing in burst jump; do
  restart
  wait_for "the parameter prompt" 'prompt_is "$p_param"'
  ok
  wait_for "the disturbance prompt" 'prompt_is "$p_dist"'
  ok
  wait_for "the reference prompt" 'prompt_is "$p_ref"'
  choose_hand
  stroke "$crossing"
  ok_takes_the_curve "a $crossing over the edge"
done

# ---- 5. The bell: a stroke that skips a step, OK on an incomplete curve ----

restart
wait_for "the parameter prompt" 'prompt_is "$p_param"'
ok
wait_for "the disturbance prompt" 'prompt_is "$p_dist"'
ok
wait_for "the reference prompt" 'prompt_is "$p_ref"'
choose_hand
wait_for "the drawing prompt" 'prompt_is "$p_draw"'
xdotool keydown alt
wait_ring 10 12
# Counted from here, and no screenshot taken until the count is read: every
# move past a skipped step rings (the strokes over the edge above rang
# many), and so does ImageMagick's import at each screenshot.
before=$(bells)
chart_at 45 140  # from point 1 to step 4: steps 2 and 3 skipped
within 10 eval '[ "$(bells)" -gt "$before" ]' || { xdotool keyup alt; fail "no bell for the stroke that skipped a step"; }
xdotool keyup alt
sleep 1
rung=$(($(bells) - before))
[ "$rung" -eq 1 ] || fail "the move that skipped a step rang $rung bells, not one"
before=$(bells)
ok
within 10 eval '[ "$(bells)" -gt "$before" ]' || fail "no bell for OK on the incomplete curve"
sleep 1
rung=$(($(bells) - before))
[ "$rung" -eq 1 ] || fail "OK on the incomplete curve rang $rung bells, not one"
wait_for "the refusal" 'prompt_is_not "$p_draw"'

quit_from_the_keyboard
echo "PASS: the Option key after Alt+Tab and in an inactive window; strokes over the right edge; the bell"
