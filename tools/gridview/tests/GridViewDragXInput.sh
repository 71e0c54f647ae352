#!/bin/sh
# Drags cells out of gridview with the real X pointer (xdotool) onto a window of another program
# (DropTarget.py): the dragged text arrives there; when that program takes the drop as a move,
# the cells leave the grid, as Ctrl+S then shows. The screens are kept as gridview-drag-grid.png
# and gridview-drag-target.png for a person to look at.
# Usage: GridViewDragXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
here=$(dirname "$0")
. "$here/../../XDisplayTest.sh"
needs_display
py=/usr/bin/python3
if ! "$py" -c 'import gi; gi.require_version("Gtk", "3.0")' 2>/dev/null; then
  echo "needs python3-gi with GTK 3"
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi
csv=$out/gridview-drag.csv
dropped=$out/gridview-dropped.txt
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n' > "$csv"
rm -f "$dropped"
"$py" "$here/DropTarget.py" move "$dropped" 900 100 &
target=$!
start_window "gridview - $csv" "$gridview" "$csv" --drag
trap 'kill $pid $target 2>/dev/null' EXIT
for i in $(seq 50); do xdotool search --name "drop target" >/dev/null 2>&1 && break; sleep 0.1; done
tw=$(xdotool search --name "drop target" | head -1)
[ -n "$tw" ] || { echo "the drop target did not appear"; exit 1; }
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
# "Name" of row 2 (apple) lies at about x 96, y 44 in the window: a click selects it, then a
# press there, moves with the button held and a release over the drop target drag it away.
xdotool mousemove --window "$win" 96 $((44 + menu_bar)) click 1
# Pressed again at once, it would be a double click.
sleep 0.8
xdotool mousemove --window "$win" 96 $((44 + menu_bar)) mousedown 1
sleep 0.2
for step in 8 20 60 200; do
  xdotool mousemove --window "$win" $((96 + step)) $((44 + menu_bar))
  sleep 0.1
done
for step in 1 2 3; do
  xdotool mousemove --window "$tw" $((60 + step * 10)) 60
  sleep 0.2
done
xdotool mouseup 1
for i in $(seq 50); do [ -s "$dropped" ] && break; sleep 0.1; done
xwd -id "$tw" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-drag-target.png"
if [ "$(cat "$dropped" 2>/dev/null)" != "apple" ]; then
  echo "the drop target received \"$(cat "$dropped" 2>/dev/null)\", not apple"; exit 1
fi
# The drop was a move: the cell is empty now.
xdotool mousemove --window "$win" 300 $((200 + menu_bar))
sleep 0.3
grab_window "$out/gridview-drag-grid.png"
xdotool key ctrl+s
expected='No,Name,City
1,pear,Lisbon
2,,Oslo
3,fig,Quito'
for i in $(seq 50); do
  [ "$(saved)" = "$expected" ] && break
  sleep 0.1
done
if [ "$(saved)" != "$expected" ]; then
  echo "the moved cell stayed in the grid:"; cat "$csv"; exit 1
fi
echo "screens: $out/gridview-drag-grid.png $out/gridview-drag-target.png"
