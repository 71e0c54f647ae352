#!/bin/sh
# Makes notes-libreoffice.xls: LibreOffice Calc saves a sheet with comments
# on B3 and D6, so the sheet holds two NOTE records and their comment boxes.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
profile=$(mktemp -d)
cat > "$work/notes-libreoffice.fods" <<'FODS'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:body>
  <office:spreadsheet>
   <table:table table:name="Notes">
    <table:table-row table:number-rows-repeated="2"><table:table-cell/></table:table-row>
    <table:table-row>
     <table:table-cell/>
     <table:table-cell office:value-type="string"><text:p>B3</text:p><office:annotation><text:p>on B3</text:p></office:annotation></table:table-cell>
    </table:table-row>
    <table:table-row table:number-rows-repeated="2"><table:table-cell/></table:table-row>
    <table:table-row>
     <table:table-cell table:number-columns-repeated="3"/>
     <table:table-cell office:value-type="string"><text:p>D6</text:p><office:annotation><text:p>on D6</text:p></office:annotation></table:table-cell>
    </table:table-row>
   </table:table>
  </office:spreadsheet>
 </office:body>
</office:document>
FODS
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$work" "$work/notes-libreoffice.fods" >/dev/null
mv "$work/notes-libreoffice.xls" "$here/notes-libreoffice.xls"
rm -rf "$profile" "$work"
# The bare Workbook stream seeds the fuzzers.
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/notes-libreoffice.xls').openstream('Workbook').read())" \
  > "$here/notes-libreoffice.workbook"
