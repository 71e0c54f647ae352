#!/bin/sh
# Drives gridview --balloon with the real X pointer (xdotool): the pointer resting on a cell
# brings up a balloon with the cell's text below it, and moving off the cells takes it away.
# The screens are kept as gridview-balloon-none.png, gridview-balloon-shown.png and
# gridview-balloon-gone.png (the whole screen) for a person to look at.
# Usage: GridViewBalloonXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-balloon.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,"Oslo by the fjord"\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --balloon
screen() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$1"; }
balloons() { xdotool search --onlyvisible --name "" 2>/dev/null | wc -l; }
before=$(balloons)
# "City" of the second data row: x 130..193, y 46..67.
# The screen without a balloon is taken before the pointer reaches the cell: a screen grab
# while it rests there is a pointer grab, which the grid takes as the pointer leaving.
screen "$out/gridview-balloon-none.png"
xdotool mousemove --window "$win" 150 $((56 + menu_bar))
sleep 0.2
xdotool mousemove --window "$win" 151 $((57 + menu_bar))
shown() { [ "$(balloons)" -gt "$before" ]; }
wait_until 10 shown || { echo "no balloon appeared over the resting pointer"; exit 1; }
sleep 0.2
screen "$out/gridview-balloon-shown.png"
if cmp -s "$out/gridview-balloon-none.png" "$out/gridview-balloon-shown.png"; then
  echo "the balloon changed nothing on the screen"; exit 1
fi
# Below the last row the pointer is on no cell.
xdotool mousemove --window "$win" 300 $((300 + menu_bar))
gone() { [ "$(balloons)" -eq "$before" ]; }
wait_until 10 gone || { echo "the balloon stayed after the pointer left the cells"; exit 1; }
screen "$out/gridview-balloon-gone.png"
echo "screens: $out/gridview-balloon-none.png $out/gridview-balloon-shown.png $out/gridview-balloon-gone.png"
