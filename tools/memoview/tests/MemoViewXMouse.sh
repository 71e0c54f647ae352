#!/bin/sh
# Drives memoview on the display with the real X mouse (xdotool): a double click selects a
# word that typing then replaces, a drag selects over three lines, Shift+click moves the
# selection's end, and the wheel scrolls. Each step must change the screen; the screens are
# kept as memoview-mouse-*.png for a person to look at.
# Usage: MemoViewXMouse.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
missing=""
for tool in xdotool xwd xwdtopnm pnmtopng; do command -v $tool >/dev/null 2>&1 || missing="$missing $tool"; done
if [ -z "${DISPLAY:-}" ] || [ -n "$missing" ]; then
  echo "needs a display and:$missing"
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi
file=$out/memoview-mouse.txt
: > "$file"
for i in $(seq 1 60); do echo "line $i with some words to select" >> "$file"; done
"$memoview" "$file" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
win=""
for i in $(seq 100); do
  win=$(xdotool search --name "memoview - $file" 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "memoview's window did not appear"; exit 1; }
sleep 0.5
grab() { xwd -id "$win" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/memoview-mouse-$1.png"; }
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
