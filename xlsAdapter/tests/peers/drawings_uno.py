"""What LibreOffice sees of a workbook's first sheet: its pictures and
other shapes with the cell their top-left corner lies in, its comments, its
hyperlinks and the cell ranges of its charts; optionally after LibreOffice
itself inserted rows. Also makes the fixture these are checked on.

Usage: drawings_uno.py "OFFICE COMMAND" describe WORKBOOK.xls [ROW COUNT]
       drawings_uno.py "OFFICE COMMAND" make OUT.xls PICTURE.png
Rows count from 1; describe prints one line per thing, sorted."""
import os
import sys

import uno
from com.sun.star.awt import Point, Size
from com.sun.star.table import CellRangeAddress

from arrange_uno import connect, prop


def column_name(index):
    name = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        name = chr(65 + rest) + name
    return name


def cell_at(sheet, x, y):
    """The cell holding point (x, y), in 1/100 mm, and the offset inside."""
    col = left = 0
    while col < 255:
        width = sheet.Columns.getByIndex(col).Width
        if left + width > x:
            break
        left += width
        col += 1
    row = top = 0
    while row < 65535:
        height = sheet.Rows.getByIndex(row).Height
        if top + height > y:
            break
        top += height
        row += 1
    return "%s%d" % (column_name(col), row + 1), x - left, y - top


def near(value):
    # Millimetres; LibreOffice rounds through twips and pixels.
    return int(round(value / 100.0))


def describe(sheet):
    lines = []
    for i in range(sheet.DrawPage.Count):
        shape = sheet.DrawPage.getByIndex(i)
        kind = shape.ShapeType.split(".")[-1]
        if kind == "OLE2Shape":
            continue  # charts are listed by their ranges
        pos, size = shape.Position, shape.Size
        cell, _, _ = cell_at(sheet, pos.X, pos.Y)
        lines.append("shape %s in %s at %d %d size %d %d" % (kind, cell, near(pos.X), near(pos.Y),
                                                            near(size.Width), near(size.Height)))
    for i in range(sheet.Annotations.Count):
        note = sheet.Annotations.getByIndex(i)
        address = note.Position
        lines.append("comment %s%d %s" % (column_name(address.Column), address.Row + 1, note.String))
    for row in range(60):
        for col in range(12):
            cell = sheet.getCellByPosition(col, row)
            fields = cell.TextFields.createEnumeration()
            while fields.hasMoreElements():
                field = fields.nextElement()
                url = getattr(field, "URL", None)
                if url is not None:
                    lines.append("link %s%d %s %s" % (column_name(col), row + 1, url, field.Representation))
    for name in sheet.Charts.ElementNames:
        for r in sheet.Charts.getByName(name).Ranges:
            lines.append("chart %s%d:%s%d" % (column_name(r.StartColumn), r.StartRow + 1,
                                              column_name(r.EndColumn), r.EndRow + 1))
    return sorted(lines)


def make(desktop, out, picture):
    document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = document.Sheets.getByIndex(0)
    for row in range(8):
        sheet.getCellByPosition(0, row).String = "item %d" % (row + 1)
        sheet.getCellByPosition(1, row).Value = (row + 1) * 3
    shape = document.createInstance("com.sun.star.drawing.GraphicObjectShape")
    shape.GraphicURL = uno.systemPathToFileUrl(os.path.abspath(picture))
    sheet.DrawPage.add(shape)
    shape.Position = Point(3000, 1000)
    shape.Size = Size(2500, 2000)
    for col, row, text in ((0, 1, "first note"), (1, 5, "second note")):
        address = sheet.getCellByPosition(col, row).CellAddress
        sheet.Annotations.insertNew(address, text)
    cell = sheet.getCellByPosition(2, 3)
    field = document.createInstance("com.sun.star.text.TextField.URL")
    field.URL = "https://example.org/"
    field.Representation = "example"
    cell.Text.insertTextContent(cell.Text.createTextCursor(), field, False)
    data = CellRangeAddress()
    data.Sheet, data.StartColumn, data.StartRow, data.EndColumn, data.EndRow = 0, 1, 0, 1, 7
    rectangle = uno.createUnoStruct("com.sun.star.awt.Rectangle")
    rectangle.X, rectangle.Y, rectangle.Width, rectangle.Height = 9000, 5000, 8000, 5000
    sheet.Charts.addNewByName("Series", rectangle, (data,), False, False)
    document.storeToURL(uno.systemPathToFileUrl(os.path.abspath(out)), (prop("FilterName", "MS Excel 97"),))
    document.close(True)


def main():
    command, action = sys.argv[1], sys.argv[2]
    office, desktop = connect(command, "drawings%d" % os.getpid())
    try:
        if action == "make":
            make(desktop, sys.argv[3], sys.argv[4])
            return
        document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(os.path.abspath(sys.argv[3])), "_blank", 0,
                                                (prop("Hidden", True),))
        sheet = document.Sheets.getByIndex(0)
        if len(sys.argv) > 4:
            sheet.Rows.insertByIndex(int(sys.argv[4]) - 1, int(sys.argv[5]))
        print("\n".join(describe(sheet)))
        document.close(True)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=30)


main()
