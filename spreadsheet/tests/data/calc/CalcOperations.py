#!/usr/bin/python3
"""LibreOffice Calc does what a workbook test did: fills sheets, inserts and deletes
rows and columns, recalculates, and prints every non-empty cell.

Input (the file COMMANDS), one command a line, fields separated by tabs:
  cell SHEET NAME TEXT        a number, a text or a formula (=...; references Sheet2!A1)
  insertRows SHEET INDEX COUNT / removeRows / insertCols / removeCols (0-based sheet indexes)
Output: SHEET NAME FORMULA-OR-TEXT VALUE ERROR, tab-separated, formulas written as the
grid writes them (Sheet2!A1) and values with 15 significant digits.

Usage: CalcOperations.py PROFILE_FOLDER COMMANDS"""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../../tools/peers"))
from CalcSession import CalcSession  # noqa: E402

SHEETS = ("Sheet1", "Sheet2")
OURS_TO_CALC = re.compile(r'("[^"]*")|\b([A-Za-z][A-Za-z0-9]*)!(\$?[A-Z]{1,2}\$?[0-9]+(:\$?[A-Z]{1,2}\$?[0-9]+)?)')
CALC_TO_OURS = re.compile(r'("[^"]*")|\$?([A-Za-z][A-Za-z0-9]*)\.(\$?[A-Z]{1,2}\$?[0-9]+)(:\$?[A-Za-z0-9]*\.?(\$?[A-Z]{1,2}\$?[0-9]+))?')


def to_calc(formula):
    return OURS_TO_CALC.sub(lambda m: m.group(1) or "$%s.%s" % (m.group(2), m.group(3)), formula)


def to_ours(formula):
    def replace(m):
        if m.group(1):
            return m.group(1)
        ref = "%s!%s" % (m.group(2), m.group(3))
        return ref + (":" + m.group(5) if m.group(4) else "")
    return CALC_TO_OURS.sub(replace, formula)


def main():
    calc = CalcSession(sys.argv[1])
    try:
        doc = calc.open("private:factory/scalc")
        sheets = doc.Sheets
        sheets.getByIndex(0).Name = SHEETS[0]
        while sheets.Count > 1:
            sheets.removeByName(sheets.getByIndex(1).Name)
        sheets.insertNewByName(SHEETS[1], 1)
        with open(sys.argv[2], encoding="utf-8") as f:
            commands = f.read().splitlines()
        for line in commands:
            fields = line.split("\t")
            if not fields or not fields[0]:
                continue
            sheet = sheets.getByName(fields[1])
            if fields[0] == "cell":
                cell = sheet.getCellRangeByName(fields[2])
                text = fields[3]
                if text.startswith("="):
                    cell.setFormula(to_calc(text))
                else:
                    try:
                        cell.setValue(float(text))
                    except ValueError:
                        cell.setString(text)
            else:
                index, count = int(fields[2]), int(fields[3])
                axis = sheet.Rows if fields[0].endswith("Rows") else sheet.Columns
                if fields[0].startswith("insert"):
                    axis.insertByIndex(index, count)
                else:
                    axis.removeByIndex(index, count)
        doc.calculateAll()
        for name in SHEETS:
            sheet = sheets.getByName(name)
            for row in range(40):
                for col in range(12):
                    cell = sheet.getCellByPosition(col, row)
                    formula = cell.getFormula()
                    if formula == "":
                        continue
                    label = "%s%d" % (chr(65 + col), row + 1)
                    error = cell.getError()
                    value = "" if error else ("%.15g" % cell.getValue() if formula.startswith("=") or
                                              cell.getType().value == "VALUE" else cell.getString())
                    print("\t".join([name, label, to_ours(formula), value, "1" if error else "0"]))
        doc.close(True)
    finally:
        calc.close()


main()
