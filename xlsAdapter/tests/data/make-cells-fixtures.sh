#!/bin/sh
# Makes the cell fixtures: formats-xlwt.xls with xlwt (fonts, number formats,
# fills, borders, alignment), cells-xlwt.xls with xlwt (MULRK, MULBLANK, NUMBER,
# BOOLERR with errors, a text) and cells-libreoffice.xls from
# cells-libreoffice.csv with LibreOffice Calc.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/../peers/cells_peer.py" xlwt "$here/cells-xlwt.xls"
/usr/bin/python3 "$here/../peers/cells_peer.py" xlwt-formats "$here/formats-xlwt.xls"
profile=$(mktemp -d)
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$here" "$here/cells-libreoffice.csv"
rm -rf "$profile"
# The bare Workbook streams seed the record and cell fuzzers.
for name in cells-xlwt cells-libreoffice formats-xlwt; do
  /usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/$name.xls').openstream('Workbook').read())" \
    > "$here/$name.workbook"
done
