#!/bin/sh
# Drives memoview --shared with real X input: two memos show one document. Text
# typed into the upper memo shows in the lower one and the other way round. The
# screens are kept as memoview-shared-upper.png and memoview-shared-both.png.
# Usage: MemoViewXShared.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
file=$out/memoview-shared.txt
printf 'first line\nsecond line\n' > "$file"
start_window "memoview - $file" "$memoview" "$file" --shared
grab_window "$out/memoview-shared-before.png"
# The upper memo fills the top half (the window is 480 high), the lower one the bottom half.
xdotool mousemove --window "$win" 300 60 click 1
sleep 0.2
xdotool key ctrl+Home
xdotool type --delay 20 "UPPER "
sleep 0.4
grab_window "$out/memoview-shared-upper.png"
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.2
xdotool key ctrl+End
xdotool type --delay 20 "lower"
sleep 0.4
grab_window "$out/memoview-shared-both.png"
if cmp -s "$out/memoview-shared-before.png" "$out/memoview-shared-upper.png" ||
   cmp -s "$out/memoview-shared-upper.png" "$out/memoview-shared-both.png"; then
  echo "typing did not change the screen"
  exit 1
fi
echo "screens: $out/memoview-shared-upper.png $out/memoview-shared-both.png"
