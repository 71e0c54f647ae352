#!/bin/sh
# Drives gridview's editing with real X keys (xdotool): a value typed into the first cell, Tab,
# a second value, Enter, then Ctrl+S; the saved file must hold both values where they were typed.
# Then Ctrl+C on the edited row's cells and Ctrl+V on the next row copy them there.
# The screens before and after are kept as gridview-edit-before.png and gridview-edit-after.png.
# Usage: GridViewEditXInput.sh GRIDVIEW OUTDIR
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
csv=$out/gridview-edit.csv
printf 'No,Name,City\n1,Avery,Lisbon\n2,Blake,Oslo\n' > "$csv"
start_window "gridview - $csv" "$gridview" "$csv"
# The saved text without the byte-order mark and CRs the grid's CSV writer puts in.
saved() { sed '1s/^\xEF\xBB\xBF//' "$csv" | tr -d '\r'; }
grab_window "$out/gridview-edit-before.png"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool type --delay 30 "Zoe"
xdotool key Tab
xdotool type --delay 30 "Porto"
xdotool key Return
sleep 0.3
grab_window "$out/gridview-edit-after.png"
xdotool key ctrl+s
for i in $(seq 50); do
  grep -q "Porto" "$csv" && break
  sleep 0.1
done
expected='No,Name,City
1,Zoe,Porto
2,Blake,Oslo'
if [ "$(saved)" != "$expected" ]; then
  echo "the saved file is not what was typed:"; cat "$csv"; exit 1
fi
# Enter left the current cell on Porto; Shift+Left takes the name too.
xdotool key shift+Left ctrl+c Down ctrl+v
sleep 0.3
grab_window "$out/gridview-edit-pasted.png"
xdotool key ctrl+s
for i in $(seq 50); do
  [ "$(saved | tail -1)" = "2,Zoe,Porto" ] && break
  sleep 0.1
done
expected='No,Name,City
1,Zoe,Porto
2,Zoe,Porto'
if [ "$(saved)" != "$expected" ]; then
  echo "Ctrl+C and Ctrl+V did not copy the row's cells:"; cat "$csv"; exit 1
fi
echo "screens: $out/gridview-edit-before.png $out/gridview-edit-after.png $out/gridview-edit-pasted.png"
