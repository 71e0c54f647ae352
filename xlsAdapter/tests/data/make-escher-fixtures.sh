#!/bin/sh
# Makes drawings-libreoffice.xls: LibreOffice Calc saves a sheet with a
# picture large enough to need CONTINUE records in the drawing group, a
# rectangle and a cell comment, so the sheet drawing interleaves OBJ and TXO
# records with its drawing records.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
profile=$(mktemp -d)
/usr/bin/python3 - "$work/drawings-libreoffice.fods" <<'PY'
import base64, io, random, sys
from PIL import Image
random.seed(7)
image = Image.new("RGB", (96, 96))
image.putdata([(random.randrange(256), random.randrange(256), random.randrange(256)) for _ in range(96 * 96)])
png = io.BytesIO()
image.save(png, "PNG")
picture = base64.b64encode(png.getvalue()).decode()
open(sys.argv[1], "w").write(f'''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
  xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
  xmlns:xlink="http://www.w3.org/1999/xlink"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:body>
  <office:spreadsheet>
   <table:table table:name="Drawings">
    <table:shapes>
     <draw:frame svg:x="1cm" svg:y="1cm" svg:width="3cm" svg:height="3cm"><draw:image><office:binary-data>{picture}</office:binary-data></draw:image></draw:frame>
     <draw:rect svg:x="6cm" svg:y="1cm" svg:width="2cm" svg:height="1cm"/>
    </table:shapes>
    <table:table-row>
     <table:table-cell office:value-type="string"><text:p>picture</text:p><office:annotation><text:p>a comment</text:p></office:annotation></table:table-cell>
    </table:table-row>
   </table:table>
  </office:spreadsheet>
 </office:body>
</office:document>
''')
PY
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$work" "$work/drawings-libreoffice.fods" >/dev/null
mv "$work/drawings-libreoffice.xls" "$here/drawings-libreoffice.xls"
rm -rf "$profile" "$work"
# The bare Workbook stream seeds the fuzzers.
/usr/bin/python3 -c "import olefile, sys; sys.stdout.buffer.write(olefile.OleFileIO('$here/drawings-libreoffice.xls').openstream('Workbook').read())" \
  > "$here/drawings-libreoffice.workbook"
