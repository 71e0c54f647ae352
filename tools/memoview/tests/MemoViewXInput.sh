#!/bin/sh
# Drives memoview on the display with real X input (xdotool): a click, Ctrl+End, Enter,
# typed markup with an accented letter and a Shift selection; the screen must show the
# change, and the screen after typing is kept as memoview-xinput.png for a person to look at.
# Usage: MemoViewXInput.sh MEMOVIEW OUTDIR
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
file=$out/memoview-xinput.html
printf '<html>\n<!-- a note -->\n<body>\n  <a href="x.htm">link</a>\n</body>\n</html>' > "$file"
"$memoview" "$file" --styler html &
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
grab() { xwd -id "$win" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$1"; }
grab "$out/memoview-before.png"
xdotool mousemove --window "$win" 200 60 click 1
sleep 0.2
xdotool key ctrl+End Return
xdotool type --delay 20 '<p>caf'
xdotool key eacute
xdotool type --delay 20 ' "new" text</p>'
xdotool key shift+Left shift+Left shift+Left shift+Left
sleep 0.5
grab "$out/memoview-xinput.png"
if cmp -s "$out/memoview-before.png" "$out/memoview-xinput.png"; then
  echo "the screen did not change after typing"
  exit 1
fi
echo "screen after typing: $out/memoview-xinput.png"
