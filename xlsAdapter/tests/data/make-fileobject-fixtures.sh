#!/bin/sh
# Makes the file-object fixtures: numberformats-xlwt.xls with xlwt (values in
# the common number formats, Booleans, an error, a long text) and
# numberformats-libreoffice.xls, the same workbook saved again by LibreOffice
# Calc.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/../peers/fileobject_peer.py" xlwt "$here/numberformats-xlwt.xls"
work=$(mktemp -d)
cp "$here/numberformats-xlwt.xls" "$work/numberformats-libreoffice.ods.xls"
soffice -env:UserInstallation=file://"$work/profile" --headless --convert-to ods --outdir "$work" \
  "$work/numberformats-libreoffice.ods.xls" >/dev/null
mv "$work/numberformats-libreoffice.ods.ods" "$work/numberformats-libreoffice.ods"
soffice -env:UserInstallation=file://"$work/profile" --headless --convert-to xls --outdir "$here" \
  "$work/numberformats-libreoffice.ods" >/dev/null
rm -rf "$work"
