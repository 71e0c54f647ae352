#!/usr/bin/python3
"""The chain and the fan of BenchSpreadRecalc computed by LibreOffice Calc through UNO:
the time of a full recalculation of each sheet, then of changing its input and reading its
last formula again. Prints "shape full_ms change_ms value" lines.
Usage: CalcSheets.py PROFILE_FOLDER ROWS"""
import os
import sys
import time

import uno

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools/peers"))
from CalcSession import CalcSession  # noqa: E402


def write_sheet(path, shape, rows):
    cells = []
    for r in range(1, rows + 1):
        if shape == "chain":
            formula = "of:=[.A1]+1" if r == 1 else "of:=[.B%d]+1" % (r - 1)
        else:
            formula = "of:=[.$A$1]+%d" % r
        first = '<table:table-cell office:value-type="float" office:value="1"/>' if r == 1 else "<table:table-cell/>"
        cells.append('<table:table-row>%s<table:table-cell table:formula="%s"/></table:table-row>' % (first, formula))
    with open(path, "w", encoding="utf-8") as f:
        f.write("""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="Sheet1">%s</table:table>
</office:spreadsheet></office:body></office:document>
""" % "\n".join(cells))


def main():
    profile, rows = sys.argv[1], int(sys.argv[2])
    calc = CalcSession(profile)
    try:
        for shape in ("chain", "fan"):
            # Loading a document is far quicker than writing 100,000 formulas through the API.
            source = os.path.join(profile, "%s.fods" % shape)
            write_sheet(source, shape, rows)
            doc = calc.open(uno.systemPathToFileUrl(source))
            sheet = doc.Sheets.getByIndex(0)
            start = time.perf_counter()
            doc.calculateAll()
            full = (time.perf_counter() - start) * 1000
            start = time.perf_counter()
            sheet.getCellRangeByName("A1").setValue(2)
            value = sheet.getCellRangeByName("B%d" % rows).getValue()
            change = (time.perf_counter() - start) * 1000
            print("%s %.3f %.3f %.15g" % (shape, full, change, value), flush=True)
            doc.close(True)
    finally:
        calc.close()


main()
