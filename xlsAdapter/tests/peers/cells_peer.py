#!/usr/bin/python3
"""Cell fixtures and readings by independent programs.

  xlwt OUT        writes the cells fixture: runs of RK numbers (MULRK), runs
                  of formatted blanks (MULBLANK), numbers RK cannot hold,
                  Booleans, an error, a text
  xlrd FILE       prints "row col type value xf" for every cell of the first
                  sheet that is not an empty unformatted cell; numbers as the
                  hex of their 8 little-endian IEEE bytes, so no digit is lost
"""
import struct
import sys


def cmd_xlwt(out):
    import xlwt
    book = xlwt.Workbook()
    sheet = book.add_sheet("Cells")
    yellow = xlwt.easyxf("pattern: pattern solid, fore_colour yellow")
    bold = xlwt.easyxf("font: bold on")
    for c in range(6):
        sheet.write(0, c, c * 7 - 10)              # integers: one MULRK
    for c, v in enumerate([0.5, 1.25, -0.01, 123.45]):
        sheet.write(1, c + 1, v)                   # x100 and float forms
    for c in range(3):
        sheet.write(2, c + 2, "", yellow)          # one MULBLANK
    sheet.write(2, 7, "", bold)                    # a lone blank
    for c, v in enumerate([1e300, 1234567.89, 536870913, -2.5e-7]):
        sheet.write(3, c, v)                       # NUMBER records
    sheet.write(4, 0, True)
    sheet.write(4, 1, False)
    sheet.row(4).set_cell_error(2, 0x2A)           # #N/A
    sheet.row(4).set_cell_error(3, 0x07)           # #DIV/0!
    sheet.write(4, 4, "text")
    sheet.write(40, 250, 536870911)                # a second block of rows, far right
    book.save(out)


def cmd_xlrd(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    for r in range(sheet.nrows):
        for c in range(sheet.row_len(r)):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY and cell.xf_index == 15:
                continue
            value = cell.value
            if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
                value = struct.pack("<d", value).hex()
            elif cell.ctype == xlrd.XL_CELL_ERROR:
                value = xlrd.error_text_from_code[value]
            elif cell.ctype == xlrd.XL_CELL_BOOLEAN:
                value = int(value)
            elif cell.ctype == xlrd.XL_CELL_BLANK:
                value = "-"
            print(r, c, xlrd.sheet.ctype_text[cell.ctype], value, cell.xf_index)


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    {"xlwt": cmd_xlwt, "xlrd": cmd_xlrd}[command](*args)
