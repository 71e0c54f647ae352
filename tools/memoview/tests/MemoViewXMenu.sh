#!/bin/sh
# Drives memoview with real X input: a right click in the text shows the memo's context
# menu; Paste, chosen with the keyboard and Enter, puts the word copied before at the caret.
# The screens are kept as memoview-menu-open.png and memoview-menu-pasted.png.
# Usage: MemoViewXMenu.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
file=$out/memoview-menu.txt
printf 'first line\nsecond line\n' > "$file"
start_window "memoview - $file" "$memoview" "$file"
# Copy the first word with the keyboard, then go to the end of the second line.
xdotool mousemove --window "$win" 90 14 click 1
sleep 0.2
xdotool key ctrl+Home shift+ctrl+Right ctrl+c Down End
sleep 0.3
grab_window "$out/memoview-menu-before.png"
xdotool mousemove --window "$win" 90 14 click 3
sleep 0.8
# The menu is a window of its own: the screen shows it over the memo.
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/memoview-menu-open.png"
# Nothing is selected and nothing was done yet: Down skips the greyed items to Paste.
xdotool key Down
sleep 0.3
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/memoview-menu-chosen.png"
xdotool key Return
sleep 0.6
grab_window "$out/memoview-menu-pasted.png"
if cmp -s "$out/memoview-menu-before.png" "$out/memoview-menu-pasted.png"; then
  echo "the text did not change after choosing Paste"
  exit 1
fi
echo "screens: $out/memoview-menu-open.png $out/memoview-menu-pasted.png"
