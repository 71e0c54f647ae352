#!/bin/sh
# Drives memoview on the display with real X input (xdotool): a click, Ctrl+End, Enter,
# typed markup with an accented letter and a Shift selection; the screen must show the
# change, and the screen after typing is kept as memoview-xinput.png for a person to look at.
# Usage: MemoViewXInput.sh MEMOVIEW OUTDIR
set -u
memoview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
file=$out/memoview-xinput.html
printf '<html>\n<!-- a note -->\n<body>\n  <a href="x.htm">link</a>\n</body>\n</html>' > "$file"
start_window "memoview - $file" "$memoview" "$file" --styler html
grab_window "$out/memoview-before.png"
xdotool mousemove --window "$win" 200 60 click 1
sleep 0.2
xdotool key ctrl+End Return
xdotool type --delay 20 '<p>caf'
xdotool key eacute
xdotool type --delay 20 ' "new" text</p>'
xdotool key shift+Left shift+Left shift+Left shift+Left
sleep 0.5
grab_window "$out/memoview-xinput.png"
if cmp -s "$out/memoview-before.png" "$out/memoview-xinput.png"; then
  echo "the screen did not change after typing"
  exit 1
fi
echo "screen after typing: $out/memoview-xinput.png"
