#!/bin/sh
# Drives gridview's File > Print with real X keys (xdotool): Alt+F opens the File menu, Down and
# Enter choose "Print...", the print dialog opens on "Print to File", and Alt+P prints. The PDF it
# writes holds the grid's cells, read back by pdftotext. The screens are kept as
# gridview-print-menu.png, gridview-print-dialog.png and gridview-print-done.png (the whole
# screen) for a person to look at.
# Usage: GridViewPrintXInput.sh GRIDVIEW OUTDIR
set -u
gridview=$1
out=$2
. "$(dirname "$0")/../../XDisplayTest.sh"
needs_display
command -v pdftotext >/dev/null 2>&1 || { echo "needs pdftotext"; [ "${CI:-}" = "true" ] && exit 1; exit 77; }
work=$out/gridview-print
rm -rf "$work"
mkdir -p "$work"
csv=$work/cities.csv
{
  printf 'No,City,Country\n'
  for i in $(seq 1 80); do printf '%d,City %d,Country %d\n' "$i" "$i" "$((i % 7))"; done
} > "$csv"
screen() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$1"; }
# The file printer writes output.pdf in the folder the program runs in.
cd "$work"
start_window "gridview - $csv" "$gridview" "$csv"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key --window "$win" alt+f
sleep 0.5
xdotool key --window "$win" Down
sleep 0.5
screen "$out/gridview-print-menu.png"
# The open menu's own window, as it draws itself.
for w in $(xdotool search --onlyvisible --name "^$" 2>/dev/null); do
  xdotool getwindowgeometry "$w" | grep -q "Geometry: [0-9][0-9]*x[0-9]\{2\}$" || continue
  xwd -id "$w" -silent | xwdtopnm 2>/dev/null | pnmtopng > "$out/gridview-print-menu-items.png"
done
xdotool key --window "$win" Return
dialog=""
for i in $(seq 100); do
  dialog=$(xdotool search --onlyvisible --name "^Print$" 2>/dev/null | head -1)
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || { echo "the print dialog did not open"; exit 1; }
sleep 1.5
screen "$out/gridview-print-dialog.png"
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key --window "$dialog" alt+p
for i in $(seq 100); do
  [ -s "$work/output.pdf" ] && break
  sleep 0.1
done
sleep 0.5
screen "$out/gridview-print-done.png"
[ -s "$work/output.pdf" ] || { echo "printing to a file wrote no PDF"; exit 1; }
text=$(pdftotext -layout "$work/output.pdf" -)
for cell in "No" "City 1 " "Country 6" "City 80" "Page 1/"; do
  printf '%s' "$text" | grep -q "$cell" || { echo "the PDF lacks \"$cell\""; exit 1; }
done
echo "screens: $out/gridview-print-menu.png $out/gridview-print-dialog.png $out/gridview-print-done.png"
