"""Workbooks whose formulas reach another workbook, and what the peers read of
them: LibreOffice shows each formula of the first sheet, python3-xlrd lists
the kinds of the SUPBOOK records and the EXTERNSHEET entries.

Usage: extrefs_uno.py "OFFICE COMMAND" make OUT.xls OTHER.xls
       extrefs_uno.py "OFFICE COMMAND" describe WORKBOOK.xls...
make writes OTHER.xls (a sheet "Prices" holding 40 and 2) and OUT.xls, whose
first sheet holds 1 in A1 and two formulas that read OTHER.xls.
describe prints, per workbook, "A1<TAB>formula" for every formula cell
LibreOffice shows, then "supbooks KIND..." and "externsheets BOOK:FIRST:LAST..."
from xlrd; workbooks are separated by a line "--"."""
import os
import sys

import uno

from arrange_uno import connect, prop


def url(path):
    return uno.systemPathToFileUrl(os.path.abspath(path))


def make(desktop, out, other):
    book = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    prices = book.Sheets.getByIndex(0)
    book.Sheets.insertNewByName("Prices", 0)
    book.Sheets.removeByName(prices.Name)
    prices = book.Sheets.getByIndex(0)
    prices.getCellByPosition(0, 0).setValue(40)
    prices.getCellByPosition(1, 0).setValue(2)
    book.storeToURL(url(other), (prop("FilterName", "MS Excel 97"),))
    book.close(True)
    document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = document.Sheets.getByIndex(0)
    sheet.getCellByPosition(0, 0).setValue(1)
    sheet.getCellByPosition(1, 0).setFormula("='%s'#$Prices.A1+A1" % url(other))
    sheet.getCellByPosition(2, 0).setFormula("=SUM('%s'#$Prices.A1:B1)" % url(other))
    document.storeToURL(url(out), (prop("FilterName", "MS Excel 97"),))
    document.close(True)


def describe(desktop, path):
    document = desktop.loadComponentFromURL(url(path), "_blank", 0, (prop("Hidden", True),))
    sheet = document.Sheets.getByIndex(0)
    used = sheet.createCursor()
    used.gotoEndOfUsedArea(False)
    end = used.RangeAddress
    for row in range(end.EndRow + 1):
        for col in range(end.EndColumn + 1):
            cell = sheet.getCellByPosition(col, row)
            if cell.getFormula().startswith("="):
                print("%s%d\t%s" % (chr(ord("A") + col), row + 1, cell.getFormula()))
    document.close(True)
    import xlrd
    book = xlrd.open_workbook(path)
    print("supbooks " + " ".join(str(kind) for kind in book._supbook_types))
    print("externsheets " + " ".join("%d:%d:%d" % entry for entry in book._externsheet_info))


def main():
    command, action = sys.argv[1], sys.argv[2]
    office, desktop = connect(command, "extrefs%d" % os.getpid())
    try:
        if action == "make":
            make(desktop, sys.argv[3], sys.argv[4])
        else:
            for path in sys.argv[3:]:
                describe(desktop, path)
                print("--")
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=30)


main()
