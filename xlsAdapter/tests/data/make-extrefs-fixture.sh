#!/bin/sh
# Makes extrefs-libreoffice.xls: LibreOffice Calc writes a workbook whose
# formulas in B1 and C1 read the sheet Prices of /tmp/vistra-books/other.xls
# (made first, beside nothing else), and the bare Workbook stream that seeds
# the fuzzers.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
mkdir -p /tmp/vistra-books
cd "$here/../peers"
/usr/bin/python3 extrefs_uno.py "soffice -env:UserInstallation=file://$work/profile --headless" make \
  "$here/extrefs-libreoffice.xls" /tmp/vistra-books/other.xls
rm -rf "$work" /tmp/vistra-books
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/extrefs-libreoffice.xls').openstream('Workbook').read())" \
  > "$here/extrefs-libreoffice.workbook"
