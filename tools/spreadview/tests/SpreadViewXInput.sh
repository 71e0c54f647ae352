#!/bin/sh
# Drives spreadview with real X input (xdotool): =A1*2 typed into B1 and 21 into A1 show 42;
# a row inserted above from the Sheet menu keeps the formula on its cell; a sheet added by a
# click on the tab row beyond the last tab reads the first sheet. Screens are kept as
# spreadview-*.png in OUTDIR.
# Usage: SpreadViewXInput.sh SPREADVIEW OUTDIR
set -u
spreadview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
cells=$out/spreadview-cells.txt
start_window "spreadview - workbook" sh -c "exec '$spreadview' > '$cells'"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
# Cells are 64 pixels wide and 22 high below the menu bar and the column headers.
cell() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.2; }
typein() { xdotool type --delay 40 "$1"; xdotool key Return; sleep 0.3; }
cell 160 52; typein "=A1*2"
cell 96 52; typein "21"
grab_window "$out/spreadview-typed.png"
# A1 is the current cell: a row goes in above it.
xdotool key alt+s; sleep 0.3; xdotool key r; sleep 0.5
grab_window "$out/spreadview-row-inserted.png"
# Beyond the last tab: a fourth sheet, shown at once.
xdotool mousemove --window "$win" 400 422 click 1; sleep 0.5
cell 96 52; typein "=Sheet1!B2+1"
grab_window "$out/spreadview-new-sheet.png"
# While a formula is typed: the hint of the function, a click on a cell inserts its name,
# Ctrl+click puts a name in place of the selection.
cell 160 52; xdotool type --delay 40 "=EQ(1;"; sleep 0.5
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/spreadview-hint.png"
hint_shown() { [ -n "$(xdotool search --onlyvisible --name '^Eq\(' 2>/dev/null)" ]; }
hint_gone() { ! hint_shown; }
wait_until 5 hint_shown || { echo "no function hint while =EQ(1; is typed"; exit 1; }
# Leaving the editor takes the hint away.
xdotool key Escape
wait_until 5 hint_gone || { echo "the function hint stays after the editor is left"; exit 1; }
cell 224 52; xdotool type --delay 40 "="; cell 96 52; typein "*3"
cell 288 52; xdotool type --delay 40 "=2*"
xdotool keydown ctrl; xdotool mousemove --window "$win" 96 52 click 1; xdotool keyup ctrl; sleep 0.2
xdotool key Return; sleep 0.3
grab_window "$out/spreadview-clicked-names.png"
xdotool key alt+s; sleep 0.3; xdotool key x
for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
expected='sheet Sheet 4
A1	=Sheet1!B2+1	43.00
C1	=A1*3	129.00
D1	=2*A1	86.00'
if [ "$(cat "$cells")" != "$expected" ]; then
  echo "the new sheet does not hold what was typed:"; cat "$cells"; exit 1
fi
echo "screens: $out/spreadview-typed.png $out/spreadview-row-inserted.png $out/spreadview-new-sheet.png $out/spreadview-hint.png $out/spreadview-clicked-names.png"
