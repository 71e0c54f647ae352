#!/bin/sh
# Drives gridview --hover with the real X pointer (xdotool): the row under the pointer turns sky
# blue and gives the colour back when the pointer moves to another row, and a BUTTON control in
# a cell is drawn pressed while the button is held and raised again on the release. The screens
# are kept as gridview-hover-row3.png, gridview-hover-row2.png, gridview-hover-raised.png and
# gridview-hover-held.png for a person to look at.
# Usage: GridViewHoverXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-hover.csv
printf 'No,Name,Action\n1,pear,"<CONTROL TYPE=""BUTTON"" ID=""go"" VALUE=""Go"" WIDTH=""50"">"\n2,apple,x\n3,fig,y\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --hover
# pixel X Y: the window's pixel as "R G B".
pixel() { xwd -id "$win" -silent | xwdtopnm 2>/dev/null | pamcut -left "$1" -top "$(($2 + menu_bar))" -width 1 -height 1 |
  pnmtoplainpnm | tail -1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
sky="166 202 240"
# Rows are 22 pixels high under a 1-pixel line: row 2 spans y 46..67, row 3 y 69..90; the
# pixels at x 120 lie right of the short names of column 1.
xdotool mousemove --window "$win" 100 $((80 + menu_bar))
sleep 0.3
grab_window "$out/gridview-hover-row3.png"
[ "$(pixel 120 80)" = "$sky" ] || { echo "the row under the pointer is not lit: $(pixel 120 80)"; exit 1; }
[ "$(pixel 120 57)" != "$sky" ] || { echo "a row away from the pointer is lit"; exit 1; }
xdotool mousemove --window "$win" 100 $((57 + menu_bar))
sleep 0.3
grab_window "$out/gridview-hover-row2.png"
[ "$(pixel 120 57)" = "$sky" ] || { echo "the row the pointer moved to is not lit: $(pixel 120 57)"; exit 1; }
[ "$(pixel 120 80)" != "$sky" ] || { echo "the row the pointer left is still lit"; exit 1; }
# The button sits at the left of column 2 (x 130..193) in row 1 (y 23..44). A first click makes
# the cell current, so the pictures that follow differ only by the press; the press waits out
# the double-click time.
xdotool mousemove --window "$win" 150 $((34 + menu_bar)) click 1
sleep 1
grab_window "$out/gridview-hover-raised.png"
xdotool mousedown 1
sleep 0.3
grab_window "$out/gridview-hover-held.png"
xdotool mouseup 1
sleep 0.3
grab_window "$out/gridview-hover-released.png"
if cmp -s "$out/gridview-hover-raised.png" "$out/gridview-hover-held.png"; then
  echo "the held button is not drawn pressed"; exit 1
fi
if ! cmp -s "$out/gridview-hover-raised.png" "$out/gridview-hover-released.png"; then
  echo "the released button is not drawn raised again"; exit 1
fi
echo "screens: $out/gridview-hover-row3.png $out/gridview-hover-row2.png $out/gridview-hover-raised.png" \
  "$out/gridview-hover-held.png"
