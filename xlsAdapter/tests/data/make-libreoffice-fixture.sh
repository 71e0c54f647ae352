#!/bin/sh
# Makes libreoffice.xls from libreoffice.csv with LibreOffice Calc. Its
# Workbook stream is small enough to live in the mini stream, and it carries
# CompObj, Ole and both property-set streams. Also extracts its Workbook
# stream.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$here" "$here/libreoffice.csv"
rm -rf "$profile"
# The bare Workbook stream seeds the record-stream fuzzer.
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/libreoffice.xls').openstream('Workbook').read())" \
  > "$here/libreoffice.workbook"
