#!/usr/bin/python3
# Prints what an independent reader sees in a workbook: one line per non-empty
# cell of the first sheet (position, kind, value, font, fill, borders), then
# the merged ranges.
import sys
import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
KINDS = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_DATE: "date",
         xlrd.XL_CELL_BOOLEAN: "bool", xlrd.XL_CELL_BLANK: "blank", xlrd.XL_CELL_ERROR: "error"}


def rgb(index):
    colour = book.colour_map.get(index)
    return "%02X%02X%02X" % colour if colour else "-"


for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        xf = book.xf_list[cell.xf_index]
        font = book.font_list[xf.font_index]
        value = cell.value
        if cell.ctype == xlrd.XL_CELL_DATE:
            value = "%04d-%02d-%02d" % xlrd.xldate_as_tuple(value, book.datemode)[:3]
        elif cell.ctype == xlrd.XL_CELL_NUMBER:
            value = repr(value)
        b = xf.border
        borders = "%d%d%d%d" % (b.top_line_style, b.left_line_style, b.bottom_line_style, b.right_line_style)
        fill = rgb(xf.background.pattern_colour_index) if xf.background.fill_pattern else "-"
        print("%d,%d %s %s | %s%s %s | fill %s | borders %s" % (
            r, c, KINDS.get(cell.ctype, "?"), value, "bold " if font.bold else "",
            font.name, rgb(font.colour_index), fill, borders))
for (r1, r2, c1, c2) in sheet.merged_cells:
    print("merged %d:%d %d:%d" % (r1, r2 - 1, c1, c2 - 1))
print("row0 height %d col0 width %d" % (sheet.rowinfo_map[0].height if 0 in sheet.rowinfo_map else -1,
                                         sheet.colinfo_map[0].width if 0 in sheet.colinfo_map else -1))
