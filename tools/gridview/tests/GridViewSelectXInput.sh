#!/bin/sh
# Drives gridview's headers with the real X pointer (xdotool) when they select: a click on a row
# header selects that row, a drag along two column headers selects both columns, and a click on
# the corner selects the whole grid, and a drag on the row headers' border in a data row widens
# them. Each is read back from the screen: the cells' background turns to the selection colour,
# or the headers' colour reaches further right. The screens are kept as gridview-select-before.png,
# gridview-select-row.png, gridview-select-columns.png, gridview-select-all.png and
# gridview-select-sized.png for a person to look at.
# Usage: GridViewSelectXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-select.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n4,kiwi,Lima\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --select
# pixel NAME X Y: the colour of a pixel of the screen kept as NAME.png.
pixel() { pngtopnm "$out/gridview-select-$1.png" | pnmcut -left "$2" -top "$(($3 + menu_bar))" -width 1 -height 1 | pnmtoplainpnm | tail -1; }
# On the screen column c spans x 64c..64c+62 and row r spans y 22r..22r+20, each followed by a
# 1-pixel line. The points below lie in the cells' empty lower right.
# expect NAME MESSAGE SAME|CHANGED X Y [EARLIER]: the pixel against the screen EARLIER, by
# default the one before any press.
expect() {
  was=$(pixel "${6:-before}" "$4" "$5")
  now=$(pixel "$1" "$4" "$5")
  if [ "$3" = SAME ] && [ "$was" != "$now" ]; then echo "$2 (pixel $4,$5: $was -> $now)"; exit 1; fi
  if [ "$3" = CHANGED ] && [ "$was" = "$now" ]; then echo "$2 (pixel $4,$5 stayed $was)"; exit 1; fi
}
# The current cell starts at row 1, column 1; the points below avoid it.
grab_window "$out/gridview-select-before.png"
xdotool mousemove --window "$win" 30 $((56 + menu_bar)) click 1
sleep 0.3
grab_window "$out/gridview-select-row.png"
expect row "a click on row 2's header did not select its name" CHANGED 120 60
expect row "a click on row 2's header did not select its city" CHANGED 184 60
expect row "a click on row 2's header selected row 3" SAME 120 82
xdotool mousemove --window "$win" 96 $((10 + menu_bar)) mousedown 1
xdotool mousemove --window "$win" 130 $((10 + menu_bar))
xdotool mousemove --window "$win" 160 $((10 + menu_bar)) mouseup 1
sleep 0.3
grab_window "$out/gridview-select-columns.png"
expect columns "a drag over the Name and City headers did not select names" CHANGED 120 104
expect columns "a drag over the Name and City headers did not select cities" CHANGED 184 104
expect columns "a drag over the Name and City headers selected the row headers" SAME 60 104
xdotool mousemove --window "$win" 120 $((82 + menu_bar)) click 1
sleep 0.3
xdotool mousemove --window "$win" 30 $((10 + menu_bar)) click 1
sleep 0.3
grab_window "$out/gridview-select-all.png"
expect all "a click on the corner did not select row 3" CHANGED 184 82
expect all "a click on the corner did not select row 4" CHANGED 120 104
# The row headers end at x 63; grabbed on that border in row 3 and dropped at x 100.
xdotool mousemove --window "$win" 64 $((82 + menu_bar)) mousedown 1
xdotool mousemove --window "$win" 80 $((82 + menu_bar))
xdotool mousemove --window "$win" 100 $((82 + menu_bar)) mouseup 1
sleep 0.3
grab_window "$out/gridview-select-sized.png"
expect sized "a drag on the row headers' border in row 3 did not widen them" CHANGED 90 38 all
expect sized "a drag on the row headers' border selected something else" SAME 184 38 all
echo "screens: $out/gridview-select-before.png $out/gridview-select-row.png" \
  "$out/gridview-select-columns.png $out/gridview-select-all.png $out/gridview-select-sized.png"
