#!/bin/sh
# Makes drawings-chart-libreoffice.xls: LibreOffice Calc builds a sheet with
# a picture, two comments, a hyperlink and a chart of B1:B8 and saves it;
# and the two small pictures the file-object tests add to workbooks.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
/usr/bin/python3 - "$here" <<'PY'
import sys
from PIL import Image
red = Image.new("RGB", (60, 40), (200, 30, 30))
for x in range(0, 60, 10):
    for y in range(40):
        red.putpixel((x, y), (255, 255, 255))
red.save(sys.argv[1] + "/picture-red.png")
Image.new("RGB", (50, 50), (30, 60, 200)).save(sys.argv[1] + "/picture-blue.jpg", quality=90)
PY
cd "$here/../peers"
/usr/bin/python3 drawings_uno.py "soffice -env:UserInstallation=file://$profile --headless" make \
  "$here/drawings-chart-libreoffice.xls" "$here/picture-red.png"
rm -rf "$profile"
