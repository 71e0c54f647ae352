"""Compares a dump of our worksheet function table with the one xlwt carries.

Usage: function_table_xlwt.py DUMP
DUMP holds one line per function: number, name, fewest and most arguments,
separated by tabs. Prints one line per difference, or "same" when none.
Numbers xlwt does not know (some far-east functions) are not compared.
"""
import sys

from xlwt.ExcelMagic import all_funcs_by_name

TABLE_SIZE = 368


def read_dump(path):
    ours = {}
    with open(path, encoding="utf-8") as dump:
        for line in dump:
            index, name, low, high = line.rstrip("\n").split("\t")
            ours[int(index)] = (name, int(low), int(high))
    return ours


def main():
    ours = read_dump(sys.argv[1])
    theirs = {opcode: (name, low, high)
              for name, (opcode, low, high, _result, _args) in all_funcs_by_name.items()
              if 0 <= opcode < TABLE_SIZE}
    differences = []
    for index in sorted(theirs):
        if ours.get(index) != theirs.get(index):
            differences.append("%d: ours %s, xlwt %s" % (index, ours.get(index), theirs.get(index)))
    print("\n".join(differences) if differences else "same")


main()
