#!/bin/sh
# Makes condformats-libreoffice.xls: LibreOffice Calc saves condformats.fods
# (a conditional format on A2:A3 with one condition and one on C1:C4 with
# two) as a workbook; and condformula-libreoffice.xls from condformula.fods
# (a formula condition B3>$A$1 on B3:B4).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cp "$here/condformats.fods" "$work/condformats-libreoffice.fods"
cp "$here/condformula.fods" "$work/condformula-libreoffice.fods"
soffice -env:UserInstallation=file://"$work/profile" --headless --convert-to xls --outdir "$here" \
  "$work/condformats-libreoffice.fods" "$work/condformula-libreoffice.fods" >/dev/null
rm -rf "$work"
# The bare Workbook stream seeds the fuzzers.
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/condformats-libreoffice.xls').openstream('Workbook').read())" \
  > "$here/condformats-libreoffice.workbook"
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/condformula-libreoffice.xls').openstream('Workbook').read())" \
  > "$here/condformula-libreoffice.workbook"
