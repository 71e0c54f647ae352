#!/bin/sh
# Drives gridview --editors with real X input (xdotool): in each of the columns Fruit (detail
# drop-down), Colour (colour picker), Shape (image picker) and City (grid drop-down) the cell is
# opened by a double click or by F2 and F4, a value is chosen in the popup by the pointer, Enter
# stores it, and Ctrl+S must write every chosen value to the file. The screens are kept as
# gridview-editors-<column>-open.png (the window with the editor open), gridview-editors-<column>-popup.png
# (the popup, a window of its own) and gridview-editors-saved.png.
# Usage: GridViewEditorsXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-editors.csv
printf 'No,Fruit,Colour,Shape,City\n1,Apple,Red,0,Lisbon\n2,Plum,Blue,1,Oslo\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --editors
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
# The popup: the program's other visible window.
popup() { for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do [ "$w" != "$win" ] && echo "$w"; done | head -1; }
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
# Columns are 64 pixels wide with a 1-pixel line, rows 22 high: row 1 spans y 23..44.
row1=$((34 + menu_bar))
# pick NAME COLUMN_X OPEN X Y: opens the cell of row 1 in the column (OPEN: dblclick, or f4 for
# a click, F2 and F4), clicks at (X, Y) of its popup, and Enter stores the value.
pick() {
  xdotool mousemove --window "$win" "$2" "$row1"
  if [ "$3" = dblclick ]; then
    sleep 0.3
    xdotool click --repeat 2 --delay 60 1
    sleep 0.6
    xdotool key F4
  else
    xdotool click 1
    sleep 0.2
    xdotool key F2
    sleep 0.3
    xdotool key F4
  fi
  wait_until 5 test -n "$(popup)" || { echo "the $1 popup did not open"; exit 1; }
  sleep 0.3
  p=$(popup)
  grab_window "$out/gridview-editors-$1-open.png"
  xwd -id "$p" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-editors-$1-popup.png"
  xdotool mousemove --window "$p" "$4" "$5" click 1
  sleep 0.4
  grab_window "$out/gridview-editors-$1-chosen.png"
  xdotool key Return
  sleep 0.3
}
# Each popup's item positions: the detail list under an empty 22-pixel header strip, rows of 22;
# the colour list from its top, rows of 22; the image picker two images a row under the strip;
# the grid drop-down's header row under the strip, then rows of 22.
pick fruit 96 dblclick 40 78
pick colour 161 f4 40 77
pick shape 226 dblclick 16 60
pick city 291 f4 40 100
grab_window "$out/gridview-editors-saved.png"
xdotool key ctrl+s
expected='No,Fruit,Colour,Shape,City
1,Cherry,Lime,2,Porto
2,Plum,Blue,1,Oslo'
for i in $(seq 50); do
  [ "$(saved)" = "$expected" ] && break
  sleep 0.1
done
if [ "$(saved)" != "$expected" ]; then
  echo "the saved file does not hold the values chosen in the popups:"; cat "$csv"; exit 1
fi
echo "screens: $out/gridview-editors-*.png"
