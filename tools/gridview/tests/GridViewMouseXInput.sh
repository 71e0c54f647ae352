#!/bin/sh
# Drives gridview's headers with the real X pointer (xdotool): a click on the "Name" header sorts
# the rows (Ctrl+S then writes them in their new order), a drag on that header's right border
# widens the column, a Shift+click on "City" sorts by name and then city, and the pointer resting on
# a city cut off by its cell shows the whole text in a hint. The screens are kept as
# gridview-mouse-before.png, gridview-mouse-sorted.png, gridview-mouse-sizing.png, gridview-mouse-sized.png,
# gridview-mouse-two-columns.png and gridview-mouse-hint.png (the whole screen) for a person to look at.
# Usage: GridViewMouseXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-mouse.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n4,apple,Amsterdam by its canals\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv"
# The saved text without the byte-order mark and CRs the grid's CSV writer puts in.
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
# expect_saved MESSAGE EXPECTED: Ctrl+S, then the file must read EXPECTED.
expect_saved() {
  xdotool key ctrl+s
  for i in $(seq 50); do
    [ "$(saved)" = "$2" ] && return
    sleep 0.1
  done
  echo "$1:"; cat "$csv"; exit 1
}
grab_window "$out/gridview-mouse-before.png"
# Columns are 64 pixels wide with a 1-pixel line: "Name" spans x 65..128 of the 22-pixel header row.
xdotool mousemove --window "$win" 96 $((10 + menu_bar)) click 1
sleep 0.3
grab_window "$out/gridview-mouse-sorted.png"
expect_saved "a click on the Name header did not sort the rows" 'No,Name,City
2,apple,Oslo
4,apple,Amsterdam by its canals
3,fig,Quito
1,pear,Lisbon'
xdotool mousemove --window "$win" 129 $((10 + menu_bar)) mousedown 1
xdotool mousemove --window "$win" 160 $((10 + menu_bar))
# While the button is held a dotted line shows where the border would drop.
sleep 0.3
grab_window "$out/gridview-mouse-sizing.png"
xdotool mousemove --window "$win" 200 $((10 + menu_bar)) mouseup 1
sleep 0.3
grab_window "$out/gridview-mouse-sized.png"
if cmp -s "$out/gridview-mouse-sorted.png" "$out/gridview-mouse-sized.png"; then
  echo "the drag on the header border changed nothing on the screen"; exit 1
fi
# "Name" now ends at x 200, so "City" spans x 201..264.
xdotool mousemove --window "$win" 232 $((10 + menu_bar)) keydown shift click 1 keyup shift
sleep 0.3
grab_window "$out/gridview-mouse-two-columns.png"
expect_saved "a Shift+click on the City header did not sort by name and city" 'No,Name,City
4,apple,Amsterdam by its canals
2,apple,Oslo
3,fig,Quito
1,pear,Lisbon'
# The pointer rests on the cut-off city of the first data row (y 23..44).
# The screen without a hint is taken before the pointer gets there: a screen grab while it
# rests on the cell is a pointer grab, which the grid takes as the pointer leaving.
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-mouse-nohint.png"
windows() { xdotool search --onlyvisible --name "" 2>/dev/null | wc -l; }
before=$(windows)
xdotool mousemove --window "$win" 225 $((34 + menu_bar))
sleep 0.2
xdotool mousemove --window "$win" 226 $((35 + menu_bar))
hinted() { [ "$(windows)" -gt "$before" ]; }
wait_until 10 hinted || { echo "no hint appeared over the cut-off text"; exit 1; }
sleep 0.2
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-mouse-hint.png"
if cmp -s "$out/gridview-mouse-nohint.png" "$out/gridview-mouse-hint.png"; then
  echo "the hint changed nothing on the screen"; exit 1
fi
echo "screens: $out/gridview-mouse-before.png $out/gridview-mouse-sorted.png $out/gridview-mouse-sized.png" \
  "$out/gridview-mouse-two-columns.png $out/gridview-mouse-hint.png"
