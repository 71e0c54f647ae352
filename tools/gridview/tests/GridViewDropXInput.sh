#!/bin/sh
# Drags between two gridview programs with the real X pointer (xdotool): a cell of one lands
# with its text at the cell under the pointer in the other (and leaves the first, as a move),
# then a header of the first dragged onto the second brings its column's cells over. The
# screens are kept as gridview-drop-source.png and gridview-drop-target.png for a person.
# Usage: GridViewDropXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
here=$(dirname "$0")
. "$here/../../XDisplayTest.sh"
needs_display
a=$out/gridview-drop-a.csv
b=$out/gridview-drop-b.csv
printf 'No,Name,City\n1,pear,Lisbon\n2,apple,Oslo\n3,fig,Quito\n' > "$a"
printf 'A,B,C\n,,\n,,\n,,\n' > "$b"
start_window "gridview - $a" "$gridview" "$a" --drag
src=$win
srcpid=$pid
start_window "gridview - $b" "$gridview" "$b" --drag
dst=$win
trap 'kill $srcpid $pid 2>/dev/null' EXIT
xdotool windowmove "$src" 0 0
xdotool windowmove "$dst" 640 0
sleep 0.8
saved() { sed '1s/^\xEF\xBB\xBF//' "$1" | tr -d '\r'; }
# drag FROMX FROMY TOX TOY: presses in the source window, moves with the button held over
# to the target window and releases there.
drag() {
  xdotool mousemove --window "$src" "$1" "$2" mousedown 1
  sleep 0.2
  for step in 8 20 60; do
    xdotool mousemove --window "$src" $(($1 + step)) "$2"
    sleep 0.1
  done
  for step in 3 2 1 0; do
    xdotool mousemove --window "$dst" $(($3 + step * 6)) "$4"
    sleep 0.2
  done
  xdotool mouseup 1
  sleep 0.5
}
# "apple" (Name, row 2) is selected by a click, then dragged onto B's second column, row 1.
xdotool mousemove --window "$src" 96 $((44 + menu_bar)) click 1
sleep 0.8
drag 96 $((44 + menu_bar)) 96 $((24 + menu_bar))
win=$dst
xdotool key ctrl+s
expected='A,B,C
,apple,
,,
,,'
wait_until 5 sh -c "[ \"\$(sed '1s/^\xEF\xBB\xBF//' '$b' | tr -d '\r')\" = '$expected' ]" || {
  echo "the dropped cell did not arrive:"; cat "$b"; exit 1; }
grab_window "$out/gridview-drop-target.png"
win=$src
xdotool key ctrl+s
wait_until 5 sh -c "grep -q '^2,,Oslo' '$a'" || { echo "the moved cell stayed in the source:"; cat "$a"; exit 1; }
# The "City" header dragged onto B's header row: its cells come over as a new column.
drag 190 $((10 + menu_bar)) 40 $((10 + menu_bar))
win=$dst
xdotool key ctrl+s
wait_until 5 sh -c "head -1 '$b' | tr -d '\r' | grep -q 'City'" || {
  echo "the dragged column did not arrive:"; cat "$b"; exit 1; }
grep -q 'Quito' "$b" || { echo "the column came without its cells:"; cat "$b"; exit 1; }
grab_window "$out/gridview-drop-target.png"
win=$src
grab_window "$out/gridview-drop-source.png"
echo "screens: $out/gridview-drop-source.png $out/gridview-drop-target.png"
