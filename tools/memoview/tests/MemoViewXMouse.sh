#!/bin/sh
# Drives memoview on the display with the real X mouse (xdotool): a double click selects a
# word that typing then replaces, a drag selects over three lines, Shift+click moves the
# selection's end, and the wheel scrolls. Each step must change the screen; the screens are
# kept as memoview-mouse-*.png for a person to look at.
# Usage: MemoViewXMouse.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
file=$out/memoview-mouse.txt
: > "$file"
for i in $(seq 1 60); do echo "line $i with some words to select" >> "$file"; done
start_window "memoview - $file" "$memoview" "$file"
grab() { grab_window "$out/memoview-mouse-$1.png"; }
changed() {
  if cmp -s "$out/memoview-mouse-$1.png" "$out/memoview-mouse-$2.png"; then
    echo "the screen did not change: $2"
    exit 1
  fi
}
# Character cells start right of the gutter; rows are about 16 pixels high, columns 8 wide.
col() { echo $((62 + 8 * $1)); }
row() { echo $((10 + 16 * $1)); }
grab start
xdotool mousemove --window "$win" $(col 15) $(row 1) click --repeat 2 --delay 80 1
sleep 0.3
xdotool type --delay 20 'WORD'
sleep 0.3
grab word
changed start word
xdotool mousemove --window "$win" $(col 2) $(row 3) mousedown 1
sleep 0.1
xdotool mousemove --window "$win" $(col 6) $(row 4)
sleep 0.1
xdotool mousemove --window "$win" $(col 9) $(row 5) mouseup 1
sleep 0.3
grab drag
changed word drag
xdotool keydown shift mousemove --window "$win" $(col 20) $(row 7) click 1 keyup shift
sleep 0.3
grab shift
changed drag shift
xdotool click --repeat 3 5
sleep 0.3
grab wheel
changed shift wheel
echo "screens: $out/memoview-mouse-*.png"
