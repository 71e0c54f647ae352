#!/usr/bin/python3
"""Cell fixtures and readings by independent programs.

  xlwt OUT        writes the cells fixture: runs of RK numbers (MULRK), runs
                  of formatted blanks (MULBLANK), numbers RK cannot hold,
                  Booleans, an error, a text
  xlrd FILE       prints "row col type value xf" for every cell of the first
                  sheet that is not an empty unformatted cell; numbers as the
                  hex of their 8 little-endian IEEE bytes, so no digit is lost
  xlwt-formats OUT writes a workbook whose cells use fonts, number formats,
                  borders, fills, alignment and protection
  xlrd-formats FILE prints one line per XF: its font, number format, fill,
                  borders, alignment and protection, colours as file indexes
  palette [FILE]  prints the palette, one RRGGBB per line: xlrd's standard
                  one, or the one xlrd reads from FILE
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


def cmd_xlwt_formats(out):
    import xlwt
    book = xlwt.Workbook()
    sheet = book.add_sheet("Formats")
    styles = [
        "font: name Arial, bold on, height 240, colour red",
        "font: name Times New Roman, italic on, struck_out on, underline double, colour 0x1F, escapement superscript",
        "font: name Courier New, underline single_acc, escapement subscript; align: horiz right, vert top, wrap on",
        "pattern: pattern solid, fore_colour yellow; borders: left thin, right double, top medium, bottom hair",
        "pattern: pattern thick_forward_diag, fore_colour blue, back_colour green; align: horiz center, rotation 45",
        "borders: left dashed, right dotted, top thick, bottom medium_dashed, left_colour 0x0A, right_colour 0x0C,"
        " top_colour 0x30, bottom_colour 0x3F; protection: cell_locked false, formula_hidden true",
        "align: horiz justified, vert distributed, indent 3, shrink_to_fit on",
    ]
    formats = ["0.00%", "#,##0.0\" kg\"", "yyyy-mm-dd hh:mm", "0.000", "\u20ac #,##0.00"]
    for i, text in enumerate(styles):
        sheet.write(i, 0, i, xlwt.easyxf(text, num_format_str=formats[i % len(formats)]))
    book.save(out)


def cmd_xlrd_formats(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    for i, xf in enumerate(book.xf_list):
        font = book.font_list[xf.font_index]
        fmt = book.format_map[xf.format_key].format_str if xf.format_key >= 164 else ""
        b, a, p, bg = xf.border, xf.alignment, xf.protection, xf.background
        # A border's colour means something only where it has a line.
        colours = [c if s else "-" for s, c in ((b.left_line_style, b.left_colour_index),
                                                (b.right_line_style, b.right_colour_index),
                                                (b.top_line_style, b.top_colour_index),
                                                (b.bottom_line_style, b.bottom_colour_index))]
        print(i, "|", font.name, font.height, int(font.weight >= 700), int(font.italic), int(font.struck_out),
              font.underline_type, font.colour_index, font.escapement,
              "|", xf.format_key, fmt,
              "|", bg.fill_pattern, bg.pattern_colour_index, bg.background_colour_index,
              "|", b.left_line_style, b.right_line_style, b.top_line_style, b.bottom_line_style,
              *colours,
              "|", a.hor_align, a.vert_align, a.rotation, int(a.text_wrapped), a.indent_level, int(a.shrink_to_fit),
              "|", int(p.cell_locked), int(p.formula_hidden))


def cmd_palette(path=None):
    from xlrd.formatting import excel_default_palette_b8
    colours = excel_default_palette_b8
    if path:
        import xlrd
        book = xlrd.open_workbook(path, formatting_info=True)
        colours = [book.colour_map[i] for i in range(8, 64)]
    for r, g, b in colours:
        print("%02X%02X%02X" % (r, g, b))


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
    {"xlwt": cmd_xlwt, "xlrd": cmd_xlrd, "xlwt-formats": cmd_xlwt_formats, "xlrd-formats": cmd_xlrd_formats,
     "palette": cmd_palette}[command](*args)
