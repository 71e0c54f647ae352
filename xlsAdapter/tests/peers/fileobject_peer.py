#!/usr/bin/python3
"""Peer side of the file-object tests.

  xlwt OUT          writes numberformats-xlwt.xls: one value per row in a common
                    number format (general, fixed, thousands, percent,
                    scientific, dates, times, currency, text, negative
                    sections, colour tags), Booleans and errors
  cells FILE        prints every cell as xlrd reads it: Sheet!A1, kind, value
                    (numbers as the shortest text that reads back exactly)
  links FILE...     prints every hyperlink as xlrd reads it: file, Sheet!A1:B2,
                    kind, target, location, description, tip
  shape FILE        prints each sheet's merged ranges, column widths of
                    columns 0..4, row heights of rows 0..12 and page breaks
"""
import struct
import sys


def cmd_xlwt(out):
    import xlwt
    book = xlwt.Workbook()
    sheet = book.add_sheet("Formats")
    rows = [
        (1234.5, "General"), (0.125, "General"), (-7, "General"),
        (3.14159, "0.00"), (2.5, "0"), (-2.4, "0.0"),
        (1234567.891, "#,##0.00"), (-1234.5, "#,##0"),
        (0.256, "0.0%"), (0.5, "0%"), (-0.125, "0.00%"),
        (123456, "0.00E+00"), (0.000123, "0.00E+00"),
        (45000, "dd/mm/yyyy"), (45000, "yyyy-mm-dd"), (45000.75, "dd/mm/yyyy hh:mm"),
        (0.5625, "hh:mm:ss"), (0.75, "h:mm"), (1.5, "[h]:mm"),
        (-42.5, '"$"#,##0.00;[Red]"$"-#,##0.00'), (42.5, '"$"#,##0.00;[Red]"$"-#,##0.00'),
        (-5, "0;(0)"), (0, '0;-0;"zero"'), (5, "[Red]0;[Blue]-0"), (-5, "[Red]0;[Blue]-0"),
        (7, "0_);(0)"), ("text value", "@"), ("plain", "General"),
    ]
    for r, (value, fmt) in enumerate(rows):
        sheet.write(r, 0, value, xlwt.easyxf(num_format_str=fmt))
    other = book.add_sheet("Kinds")
    other.write(0, 0, True)
    other.write(0, 1, False)
    other.write(1, 0, xlwt.Formula("1/0"))
    other.write(2, 0, "x" * 300)
    other.write(3, 3, 1e300)
    other.write(3, 4, -0.1)
    book.save(out)


def number_text(value):
    if value == int(value) and abs(value) < 1e16:
        return str(int(value))
    return repr(value)


def cmd_cells(path):
    import xlrd
    book = xlrd.open_workbook(path)
    kinds = {xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_DATE: "number", xlrd.XL_CELL_TEXT: "text",
             xlrd.XL_CELL_BOOLEAN: "boolean", xlrd.XL_CELL_ERROR: "error"}
    for sheet in book.sheets():
        for r in range(sheet.nrows):
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                if cell.ctype not in kinds:
                    continue
                kind = kinds[cell.ctype]
                if kind == "number":
                    value = number_text(cell.value)
                elif kind == "boolean":
                    value = "TRUE" if cell.value else "FALSE"
                elif kind == "error":
                    value = xlrd.error_text_from_code[cell.value]
                else:
                    value = cell.value
                print("%s!%s%d\t%s\t%s" % (sheet.name, xlrd.colname(c), r + 1, kind, value))


def cmd_shape(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    for sheet in book.sheets():
        widths = [sheet.colinfo_map[c].width if c in sheet.colinfo_map else None for c in range(5)]
        heights = [sheet.rowinfo_map[r].height if r in sheet.rowinfo_map else None for r in range(13)]
        print(sheet.name, sorted(sheet.merged_cells), widths, heights, sheet.horizontal_page_breaks,
              sheet.vertical_page_breaks)


def cmd_notes(*paths):
    import os
    import xlrd
    for path in paths:
        book = xlrd.open_workbook(path)
        for sheet in book.sheets():
            for (r, c), note in sorted(sheet.cell_note_map.items()):
                print("%s\t%s!%s%d\t%s" % (os.path.basename(path), sheet.name, xlrd.colname(c), r + 1, note.text))


def cmd_links(*paths):
    import os
    import xlrd
    for path in paths:
        book = xlrd.open_workbook(path)
        for sheet in book.sheets():
            for link in sheet.hyperlink_list:
                target = link.url_or_path if link.type in ("url", "local file", "unc") else ""
                print("%s\t%s!%s%d:%s%d\t%s\t%s\t%s\t%s\t%s" % (
                    os.path.basename(path), sheet.name, xlrd.colname(link.fcolx), link.frowx + 1,
                    xlrd.colname(link.lcolx), link.lrowx + 1, link.type, target or "",
                    link.textmark or "", link.desc or "", link.quicktip or ""))


def escher_walk(data, visit):
    at = 0
    while at + 8 <= len(data):
        ver_inst, kind, size = struct.unpack_from("<HHI", data, at)
        if ver_inst & 0xF == 0xF:
            at += 8
            continue
        visit(kind, ver_inst >> 4, data[at + 8:at + 8 + size])
        at += 8 + size


def cmd_shapes(path):
    import olefile
    stream = olefile.OleFileIO(path).openstream("Workbook").read()
    sections = []  # drawing bytes of the globals, then of each worksheet
    depth, current, last = 0, None, None
    at = 0
    while at + 4 <= len(stream):
        rid, size = struct.unpack_from("<HH", stream, at)
        body = stream[at + 4:at + 4 + size]
        at += 4 + size
        if rid == 0x0809:
            depth += 1
            if depth == 1:
                current = bytearray()
                sections.append(current)
        elif rid == 0x000A:
            depth -= 1
        elif depth == 1 and (rid in (0x00EB, 0x00EC) or (rid == 0x003C and last in (0x00EB, 0x00EC))):
            current += body
        if rid != 0x003C:
            last = rid

    def globals_visit(kind, inst, body):
        if kind == 0xF006:
            spid_max, clusters, saved, drawings = struct.unpack_from("<IIII", body)
            print("group", spid_max, saved, drawings,
                  [struct.unpack_from("<II", body, 16 + 8 * i) for i in range(clusters - 1)])
    escher_walk(bytes(sections[0]), globals_visit)
    for index, drawing in enumerate(sections[1:]):
        found = {"dg": None, "spids": []}

        def visit(kind, inst, body):
            if kind == 0xF008:
                found["dg"] = (inst,) + struct.unpack_from("<II", body)
            elif kind == 0xF00A:
                found["spids"].append(struct.unpack_from("<I", body)[0])
        escher_walk(bytes(drawing), visit)
        print("sheet", index, found["dg"], found["spids"])


if __name__ == "__main__":
    {"xlwt": cmd_xlwt, "cells": cmd_cells, "shape": cmd_shape, "notes": cmd_notes, "links": cmd_links,
     "shapes": cmd_shapes}[sys.argv[1]](*sys.argv[2:])
