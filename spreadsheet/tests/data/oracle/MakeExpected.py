#!/usr/bin/env python3
"""Writes expected.tsv: LibreOffice Calc computes the right-hand formulas of cases.tsv
in a flat text-form spreadsheet that holds the same fixture cells as the test.

Run from anywhere: python3 MakeExpected.py (needs soffice on the PATH)."""
import csv
import os
import re
import subprocess
import sys
import tempfile
from xml.sax.saxutils import quoteattr, escape

HERE = os.path.dirname(os.path.abspath(__file__))
# Written cell -> text; the test puts the same texts into the grid.
FIXTURE = {
    "A1": "3", "A2": "7", "A3": "9", "A4": "2.5", "A5": "4",
    "B1": "apple", "B2": "Banana", "B3": "cherry", "B4": "date", "B5": "",
    "C1": "40544.75",
}
REFERENCE = re.compile(r'("[^"]*")|\b([A-Z]{1,2}[0-9]+)(:([A-Z]{1,2}[0-9]+))?\b')


def openformula(formula):
    """Cell references in OpenFormula brackets; string literals are left alone."""
    def replace(m):
        if m.group(1):
            return m.group(1)
        if m.group(3):
            return "[.%s:.%s]" % (m.group(2), m.group(4))
        return "[.%s]" % m.group(2)
    return REFERENCE.sub(replace, formula)


def cell_xml(text):
    if text == "":
        return "<table:table-cell/>"
    try:
        float(text)
        return '<table:table-cell office:value-type="float" office:value=%s/>' % quoteattr(text)
    except ValueError:
        return '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % escape(text)


def main():
    cases = []
    with open(os.path.join(HERE, "cases.tsv"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                ours, theirs = line.split("\t")
                cases.append((ours, theirs))
    rows = []
    for r in range(max(len(cases), 6)):
        cells = [cell_xml(FIXTURE.get("%s%d" % (c, r + 1), "")) for c in "ABC"]
        cells.append("<table:table-cell/>")
        if r < len(cases):
            # Fifteen significant digits for numbers; a text result passes TEXT unchanged.
            formula = 'of:=TEXT(%s;"0.00000000000000E+000")' % openformula(cases[r][1])
            cells.append('<table:table-cell table:formula=%s/>' % quoteattr(formula))
        rows.append("<table:table-row>%s</table:table-row>" % "".join(cells))
    document = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="Sheet1">%s</table:table>
</office:spreadsheet></office:body></office:document>
""" % "\n".join(rows)
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "cases.fods")
        with open(source, "w", encoding="utf-8") as f:
            f.write(document)
        subprocess.run(["soffice", "-env:UserInstallation=file://" + work + "/profile", "--headless",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):9,34,76,1", "--outdir", work, source],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(os.path.join(work, "cases.csv"), encoding="utf-8") as f:
            computed = [row[4] if len(row) > 4 else "" for row in csv.reader(f, delimiter="\t")]
    with open(os.path.join(HERE, "expected.tsv"), "w", encoding="utf-8") as f:
        f.write("# Written by MakeExpected.py with LibreOffice Calc: our formula, then its value there.\n")
        for (ours, _), value in zip(cases, computed):
            f.write("%s\t%s\n" % (ours, value))
    return 0


if __name__ == "__main__":
    sys.exit(main())
