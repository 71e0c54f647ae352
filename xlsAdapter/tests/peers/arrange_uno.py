"""Opens a workbook in LibreOffice once for each list of operations, applies
them as LibreOffice's own row, column and sheet commands, and saves the
result as NAME.xlsx next to the workbook, so that its formula text shows
what LibreOffice made of every reference. One LibreOffice serves them all.

Usage: arrange_uno.py "OFFICE COMMAND" WORKBOOK.xls NAME=OPERATION[;OPERATION]...
with the operations (rows, columns and sheets counted from 1):
  insert-rows ROW COUNT, delete-rows ROW COUNT, insert-cols COL COUNT,
  delete-cols COL COUNT, insert-sheet BEFORE NAME, delete-sheet NAME;
an empty list saves the workbook as LibreOffice read it. Row and column
operations act on the first sheet."""
import os
import shlex
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(command, pipe):
    office = subprocess.Popen(shlex.split(command) + ["--norestore", "--nologo",
                              "--accept=pipe,name=%s;urp;" % pipe],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(600):
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return office, context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        except Exception:
            if office.poll() is not None:
                raise SystemExit("LibreOffice stopped before it accepted a connection")
            time.sleep(0.1)
    office.kill()
    raise SystemExit("LibreOffice did not accept a connection")


def apply(document, operation):
    words = operation.split()
    sheets = document.Sheets
    first = sheets.getByIndex(0)
    if words[0] == "insert-rows":
        first.Rows.insertByIndex(int(words[1]) - 1, int(words[2]))
    elif words[0] == "delete-rows":
        first.Rows.removeByIndex(int(words[1]) - 1, int(words[2]))
    elif words[0] == "insert-cols":
        first.Columns.insertByIndex(int(words[1]) - 1, int(words[2]))
    elif words[0] == "delete-cols":
        first.Columns.removeByIndex(int(words[1]) - 1, int(words[2]))
    elif words[0] == "insert-sheet":
        sheets.insertNewByName(" ".join(words[2:]), int(words[1]) - 1)
    elif words[0] == "delete-sheet":
        sheets.removeByName(" ".join(words[1:]))
    else:
        raise SystemExit("unknown operation " + operation)


def main():
    command, workbook = sys.argv[1], os.path.abspath(sys.argv[2])
    office, desktop = connect(command, "arrange%d" % os.getpid())
    try:
        for job in sys.argv[3:]:
            name, _, operations = job.partition("=")
            document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(workbook), "_blank", 0,
                                                    (prop("Hidden", True),))
            for operation in filter(None, operations.split(";")):
                apply(document, operation)
            target = os.path.join(os.path.dirname(workbook), name + ".xlsx")
            document.storeToURL(uno.systemPathToFileUrl(target), (prop("FilterName", "Calc MS Excel 2007 XML"),))
            document.close(True)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=30)


if __name__ == "__main__":
    main()
