#!/usr/bin/env bash
# The program in a real X server, driven as a person drives it: pointer clicks
# and typed keys from xdotool, checked on screenshots and on the value table
# as the program copies it to the clipboard. One whole road from the
# start to the results (controller T0 1, K0 2; plant T1 4, T0 1, K0 1, dead
# time 1; z zero, w a step), the value table and three curves, a parameter
# correction, then Restart and a reference drawn by hand with Alt held.
#
#   road.sh path/to/quenlo
#
# Exits 77 (skipped) where no X server can be started here.
set -euo pipefail

quenlo=${1:?usage: road.sh path/to/quenlo}

source "$(dirname "$0")/lib.sh"
start_x_server
start_quenlo

# ---- 1. Start phase, then OK ----

wait_for "the first prompt" 'prompt_shown'
p_start=$(prompt)
check "CUT is shown" above "$(count 000000 770 591 53 101)" 1000
check "no parameter field yet" is "$(count FFFFFF 428 457 208 235)" 0
check "no block yet" is "$(cyan)" 0

ok
wait_for "the blocks" 'above "$(cyan)" 1000'
check "CUT is hidden" is "$(count 000000 770 591 53 101)" 0
for n in $(seq 0 13); do check "param($n) is shown" field_white "$n"; done
for i in $(seq 0 6); do check "name label $i" above "$(dark 505 $((456 + 33 * i)) 33 30)" 10; done
check "the heading Regler Strecke" above "$(dark 429 420 193 32)" 50
check "a prompt" prompt_shown
p_param=$(prompt)
check "prompt changed after the first OK" isnt "$p_param" "$p_start"
cyan_symbols=$(cyan)
panel_symbols=$(sig 10 10 600 300)

# ---- 2. The parameters, then OK ----

for entry in 2:1 3:2 8:4 9:1 10:1 13:1; do type_into "${entry%:*}" "${entry#*:}"; done
ok
wait_for "the input-shape field" 'above "$(count 48FF9A 905 588 80 35)" 500'
p_dist=$(prompt)
check "prompt changed after the parameters" isnt "$p_dist" "$p_param"
check "the letter z" above "$(dark 884 589 20 36)" 5
z_letter=$(sig 884 589 20 36)
check "the shape is blank" is "$(shape_text)" 0
# The blocks show the numbers: much narrower than the equations in symbols.
check "the blocks shrank to their values" above $((cyan_symbols * 6 / 10)) "$(cyan)"
panel_road=$(sig 10 10 600 300)

# ---- 3. z zero, then OK ----

ok
wait_for "the next prompt" 'prompt_is_not "$p_dist"'
p_ref=$(prompt)
check "the letter w" isnt "$(sig 884 589 20 36)" "$z_letter"
check "the shape is blank again" is "$(shape_text)" 0

# ---- 4. w a step, then OK: the table, the toggles, the zero line ----

shape
wait_for "the shape Sprung" 'above "$(shape_text)" 20'
check "choosing a shape keeps the prompt" prompt_is "$p_ref"
check "the table is not shown yet" is "$(count FFFFFF 10 340 400 355)" 0

ok
wait_for "the value table" 'above "$(count FFFFFF 10 340 400 355)" 50000'
p_results=$(prompt)
check "prompt changed after the reference" isnt "$p_results" "$p_ref"
check "the letter C" above "$(count FF0000 417 329 33 49)" 50
for i in 1 2 3 4; do check "toggle $i" above "$(dark $((65 + 86 * (i - 1))) 316 40 20)" 5; done
check "the table's first rows" above "$(table_first_row)" 20
check "the shape field is hidden" is "$(count 48FF9A 884 580 110 50)" 0
check "the shape label is hidden" is "$(dark 884 589 20 36)" 0
check "Restart is enabled" above "$(dark 1102 603 88 86)" 50
check "the zero line" above "$(count 000000 691 244 500 1)" 450
for c in $RED $GREEN $BLUE; do check "no curve yet ($c)" is "$(count $c 691 44 500 400)" 0; done

# x, y and w pressed: in that order dark red, dark green, dark blue. Ten steps
# are shown, 50 pixels each; the rings sit on the steps.
toggle 1
toggle 2
toggle 4
wait_for "the third curve" 'chart_has $BLUE 100'
check "w is 1 from step 1 on" chart_pixel $BLUE 75 100
check "x settles at 2/3" chart_pixel $RED 475 133
check "y settles at -2/3" chart_pixel $GREEN 475 267
check "x is 0 at step 1" chart_pixel $RED 25 200
copy_table 501
check "table row 0" is "$(row 0)" "0 0.00 0.00 0.00 0.00"
check "table row 1" is "$(row 1)" "1 0.00 -2.00 0.00 1.00"
check "table row 2" is "$(row 2)" "2 0.40 -1.20 0.00 1.00"
check "the last row is step 500" is "$(row 500 | cut -d' ' -f1)" 500

# ---- 5. OK: parameter correction ----

ok
wait_for "the table emptied" 'is "$(table_first_row)" 0'
p_change=$(prompt)
check "prompt changed in the results phase" isnt "$p_change" "$p_results"
check "it is not the first parameter prompt" isnt "$p_change" "$p_param"
check "the blocks show their symbols again" is "$(sig 10 10 600 300)" "$panel_symbols"
for n in 2 3 8 9 10 13; do check "param($n) keeps its text" above "$(field_text "$n")" 5; done
for n in 0 1 4 5 6 7 11 12; do check "param($n) stays empty" is "$(field_text "$n")" 0; done

# ---- 6. K0 of the controller 4, OK: the results at once ----

type_into 3 4
ok
wait_for "the results prompt" 'prompt_is "$p_results"'
check "the table again" above "$(table_first_row)" 20
check "the blocks show the new gain" isnt "$(sig 10 10 600 300)" "$panel_road"
check "the shape field stays hidden" is "$(count 48FF9A 884 580 110 50)" 0
check "x now settles at 0.8" chart_pixel $RED 475 120
check "y now settles at -0.8" chart_pixel $GREEN 475 280
check "the curves of the run before stay" chart_pixel $RED 475 133
copy_table 501
check "table row 1 with K0 4" is "$(row 1)" "1 0.00 -4.00 0.00 1.00"
check "table row 2 with K0 4" is "$(row 2)" "2 0.80 -0.80 0.00 1.00"

# ---- Restart, and w drawn by hand ----

restart
wait_for "the parameter prompt" 'prompt_is "$p_param"'
ok
wait_for "the disturbance prompt" 'prompt_is "$p_dist"'
ok
wait_for "the reference prompt" 'prompt_is "$p_ref"'
last=""
for _ in 1 2 3; do  # Sprung, Impuls, Hand
  last=$(sig 905 588 80 35)
  shape
  wait_for "the next shape" 'isnt "$(sig 905 588 80 35)" "$last"'
done
p_draw=$(prompt)
for p in "$p_param" "$p_dist" "$p_ref" "$p_results" "$p_change"; do
  check "the drawing prompt is a prompt of its own" isnt "$p_draw" "$p"
done

# Alt held, the pointer 60 pixels above the zero line, one step of 10 pixels
# at a time; each point shows a black ring, which is awaited before the next
# step so that no step is skipped however slow the machine.
xdotool mousemove $((OX + 691 + 2)) $((OY + 44 + 140)) keydown alt
for k in $(seq 1 50); do
  x=$((10 * k + 2))
  [ $x -le 499 ] || x=499
  deadline=$((SECONDS + 10))
  jiggle=0
  until xdotool mousemove $((OX + 691 + x - jiggle)) $((OY + 44 + 140)) && ring $((10 * k)); do
    [ $SECONDS -lt $deadline ] || { xdotool keyup alt; fail "no point at step $k of the hand-drawn curve"; }
    jiggle=$((1 - jiggle))
  done
done
xdotool keyup alt
wait_for "the hand-drawn curve" 'true'
check "the drawing prompt stays" prompt_is "$p_draw"

ok
wait_for "the results prompt after the drawing" 'prompt_is "$p_results"'
check "the table again" above "$(table_first_row)" 20
toggle 4
wait_for "the hand-drawn w" 'chart_has $RED 100'
check "w is 0.6 from step 1 on" chart_pixel $RED 255 140
check "w is 0.6 at step 50" chart_pixel $RED 495 140
# 51 rows, steps 0 to 50; w is the drawn height, 60 pixels at the y scale 100.
copy_table 51
check "table row 1 of the hand-drawn run" is "$(row 1)" "1 0.00 -2.40 0.00 0.60"
check "the last row is step 50" is "$(row 50 | cut -d' ' -f1)" 50
check "w is 0.60 from step 1 to 50" is "$(sed -n '2,51p' "$work/table.txt" | cut -d' ' -f5 | sort -u)" 0.60

# ---- Quit from the keyboard ----

quit_from_the_keyboard
echo "PASS: the whole road, a parameter correction and a hand-drawn reference"
