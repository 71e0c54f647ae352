#!/bin/sh
# Drives gridview's header filter buttons with the real X pointer (xdotool): a click on the
# "Name" header's button drops the list of its values, a click on "apple" keeps only that row,
# and Ctrl+S writes what the grid then shows; then the keys choose in the open list. The screens
# are kept as gridview-filter-before.png, gridview-filter-list.png, gridview-filter-after.png and
# gridview-filter-keys.png for a person to look at.
# Usage: GridViewFilterXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-filter.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --filter
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
grab_window "$out/gridview-filter-before.png"
# "Name" spans x 65..128 of the header row; its button takes the 16 pixels at the right.
xdotool mousemove --window "$win" 120 $((8 + menu_bar)) click 1
sleep 0.5
# The list drops 16 pixels below the header's top, its left edge under the button (x 113):
# "(All)", then "apple", "fig" and "pear", each about 16 pixels high. It is a window of its
# own, 150 pixels square.
find_list() {
  list=""
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: 150x150" && list=$w
  done
  [ -n "$list" ] || { echo "the header's filter button dropped no list"; exit 1; }
}
find_list
xwd -id "$list" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-filter-list.png"
xdotool mousemove --window "$win" 140 $((43 + menu_bar)) click 1
sleep 0.5
grab_window "$out/gridview-filter-after.png"
if cmp -s "$out/gridview-filter-before.png" "$out/gridview-filter-after.png"; then
  echo "choosing an entry changed nothing on the screen"; exit 1
fi
# Only the rows the filter shows are written.
xdotool key ctrl+s
for i in $(seq 50); do
  [ "$(saved | wc -l)" -lt 4 ] && break
  sleep 0.1
done
expected='No,Name,City
2,apple,Oslo'
if [ "$(saved)" != "$expected" ]; then
  echo "choosing apple in the Name list did not filter the rows:"; cat "$csv"; exit 1
fi
# Keys work the open list while the grid keeps the focus: Home and Return choose "(All)",
# then Down three times reaches "pear" and Return keeps its row.
save_and_expect() {
  : > "$csv"
  xdotool key ctrl+s
  for i in $(seq 50); do
    [ "$(saved)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "$2:"; cat "$csv"; exit 1
}
xdotool mousemove --window "$win" 120 $((8 + menu_bar)) click 1
sleep 0.5
xdotool key Home Return
sleep 0.3
save_and_expect 'No,Name,City
1,pear,Lisbon
2,apple,Oslo
3,fig,Quito' "Home and Return in the Name list did not choose (All)"
xdotool mousemove --window "$win" 120 $((8 + menu_bar)) click 1
sleep 0.5
find_list
xdotool key Down Down Down
sleep 0.3
xwd -id "$list" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-filter-keys.png"
xdotool key Return
save_and_expect 'No,Name,City
1,pear,Lisbon' "Down and Return in the Name list did not choose pear"
echo "screens: $out/gridview-filter-before.png $out/gridview-filter-list.png $out/gridview-filter-after.png $out/gridview-filter-keys.png"
