#!/usr/bin/python3
"""Fixtures and independent readings for the workbook globals tests.

  xlwt OUT        writes a workbook with shared strings of every kind: 8-bit,
                  16-bit, rich text, a text longer than one record, many
                  distinct texts, and a hidden sheet
  xlrd FILE       prints JSON: per sheet its name, visibility, cell values
                  and the rich-text runs xlrd finds
"""
import json
import sys


def cmd_xlwt(out):
    import xlwt
    book = xlwt.Workbook(encoding="utf-8")
    names = book.add_sheet("Names")
    names.write(0, 0, "plain")
    names.write(1, 0, "caf\u00e9")
    names.write(2, 0, "\u0416\u0443\u043a")
    names.write(3, 0, "long " + "x" * 9000 + " \u0416 end")
    bold = xlwt.easyfont("bold true")
    italic = xlwt.easyfont("italic true")
    names.write_rich_text(4, 0, ["start ", ("bold", bold), " and ", ("italic", italic)])
    for r in range(300):
        names.write(r, 1, "text %d" % r)
        names.write(r, 2, "repeat")
    numbers = book.add_sheet("Z\u00e4hlen")
    for r in range(20):
        numbers.write(r, 0, r * 1.5)
    secret = book.add_sheet("Secret")
    secret.write(0, 0, "hidden text")
    secret.visibility = 1
    book.save(out)


def cmd_xlrd(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    sheets = []
    for sheet in book.sheets():
        runs = {"%d,%d" % key: value for key, value in sorted(sheet.rich_text_runlist_map.items())}
        sheets.append({"name": sheet.name, "visibility": sheet.visibility,
                       "rows": [sheet.row_values(r) for r in range(sheet.nrows)], "runs": runs})
    print(json.dumps(sheets, ensure_ascii=False))


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    {"xlwt": cmd_xlwt, "xlrd": cmd_xlrd}[command](*args)
