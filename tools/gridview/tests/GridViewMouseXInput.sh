#!/bin/sh
# Drives gridview's headers with the real X pointer (xdotool): a click on the "Name" header sorts
# the rows (Ctrl+S then writes them in their new order), and a drag on that header's right border
# widens the column. The screens before and after are kept as gridview-mouse-before.png,
# gridview-mouse-sorted.png and gridview-mouse-sized.png for a person to look at.
# Usage: GridViewMouseXInput.sh GRIDVIEW OUTDIR
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-mouse.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv"
# The saved text without the byte-order mark and CRs the grid's CSV writer puts in.
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
grab_window "$out/gridview-mouse-before.png"
# Columns are 64 pixels wide with a 1-pixel line: "Name" spans x 65..128 of the 22-pixel header row.
xdotool mousemove --window "$win" 96 10 click 1
sleep 0.3
grab_window "$out/gridview-mouse-sorted.png"
xdotool key ctrl+s
for i in $(seq 50); do
  [ "$(saved | sed -n 2p)" = "2,apple,Oslo" ] && break
  sleep 0.1
done
expected='No,Name,City
2,apple,Oslo
3,fig,Quito
1,pear,Lisbon'
if [ "$(saved)" != "$expected" ]; then
  echo "a click on the Name header did not sort the rows:"; cat "$csv"; exit 1
fi
xdotool mousemove --window "$win" 129 10 mousedown 1
xdotool mousemove --window "$win" 160 10
xdotool mousemove --window "$win" 200 10 mouseup 1
sleep 0.3
grab_window "$out/gridview-mouse-sized.png"
if cmp -s "$out/gridview-mouse-sorted.png" "$out/gridview-mouse-sized.png"; then
  echo "the drag on the header border changed nothing on the screen"; exit 1
fi
echo "screens: $out/gridview-mouse-before.png $out/gridview-mouse-sorted.png $out/gridview-mouse-sized.png"
