#!/bin/sh
# Drives gridview on the display with real X input (xdotool): the demonstration grid opens,
# a click picks a cell, the wheel and Page Down scroll it; the screen must change, and the
# screens are kept as gridview-open.png and gridview-scrolled.png for a person to look at.
# A file of no format the grid reads must be refused with a message saying so.
# Usage: GridViewXInput.sh GRIDVIEW OUTDIR
# gridview's File menu bar sits above the grid: grid positions count from below it.
menu_bar=20
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
bad=$out/gridview-bad.xyz
printf 'a,b\n' > "$bad"
if msg=$("$gridview" "$bad" --screenshot "$out/gridview-bad.png" 2>&1); then
  echo "a file of no grid format was accepted"; exit 1
fi
case "$msg" in *"Unknown file type"*) ;; *) echo "the error does not name the file type: $msg"; exit 1;; esac

csv=$out/gridview-rows.csv
{ echo "No,Name,Value"; for i in $(seq 200); do echo "$i,name $i,$((i * 7))"; done; } > "$csv"
start_window "gridview - $csv" "$gridview" "$csv" --look office2007
grab_window "$out/gridview-open.png"
xdotool mousemove --window "$win" 150 $((60 + menu_bar)) click 1
sleep 0.2
xdotool click 5 click 5 click 5
xdotool key Next
sleep 0.5
grab_window "$out/gridview-scrolled.png"
if cmp -s "$out/gridview-open.png" "$out/gridview-scrolled.png"; then
  echo "the screen did not change after scrolling"
  exit 1
fi
echo "screens: $out/gridview-open.png $out/gridview-scrolled.png"
