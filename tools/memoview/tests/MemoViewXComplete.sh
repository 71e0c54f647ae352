#!/bin/sh
# Drives memoview with real X input: after typing "alp", Ctrl+Space opens the list of
# the text's words that begin so, Down moves to the second and Enter puts it in place
# of the typed start. The screens are kept as memoview-complete-open.png and
# memoview-complete-done.png.
# Usage: MemoViewXComplete.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
# The list is a window of its own: the whole screen shows it.
grab_screen() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$1"; }
file=$out/memoview-complete.txt
printf 'alpha beta gamma\nalphabet soup\n\n' > "$file"
start_window "memoview - $file" "$memoview" "$file"
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.2
xdotool key ctrl+End
xdotool type --delay 20 alp
sleep 0.2
grab_screen "$out/memoview-complete-typed.png"
xdotool key ctrl+space
sleep 0.6
xdotool key Down
sleep 0.3
grab_screen "$out/memoview-complete-open.png"
# The list is the one visible window without a title that is more than a pixel wide.
list=""
for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
  [ -z "$(xdotool getwindowname "$w")" ] || continue
  xdotool getwindowgeometry "$w" | grep -q "Geometry: 1x1" || list=$w
done
[ -n "$list" ] || { echo "Ctrl+Space showed no list window"; exit 1; }
xwd -id "$list" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/memoview-complete-list.png"
xdotool key Return
sleep 0.6
grab_window "$out/memoview-complete-done.png"
if cmp -s "$out/memoview-complete-typed.png" "$out/memoview-complete-open.png"; then
  echo "Ctrl+Space showed no list"
  exit 1
fi
grab_screen "$out/memoview-complete-closed.png"
if cmp -s "$out/memoview-complete-open.png" "$out/memoview-complete-closed.png"; then
  echo "Enter changed nothing"
  exit 1
fi
echo "screens: $out/memoview-complete-open.png $out/memoview-complete-done.png"
