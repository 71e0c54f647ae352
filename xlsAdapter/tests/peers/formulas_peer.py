"""Writes formulas-xlwt.xls: one formula per row of the first sheet, written
by xlwt from its own formula text, and formulas-xlwt.txt: each row's text as
our decoder writes it (xlwt's text with sheet names quoted).

The formulas are every operator over every kind of reference, the common
functions over cells and areas of this and other sheets, and a few written
out by hand."""
import re
import sys
import xlwt

# Cells and areas, relative and absolute, on this sheet and on others.
CELLS = ["A1", "$B$2", "C$3", "$D4", "Data!E5", "Data!$A$1", "'Sales 2026'!C3", "'Sales 2026'!$B7"]
AREAS = ["A1:B3", "$A$1:$B$3", "A$1:$C4", "Data!A1:B2", "Data!$A$1:$D$9", "'Sales 2026'!A1:C3"]
BINARY = ["+", "-", "*", "/", "^", "&", "=", "<>", "<", ">", "<=", ">="]
# Functions of one area or of several arguments.
OVER_AREAS = ["SUM", "AVERAGE", "MIN", "MAX", "COUNT", "COUNTA", "PRODUCT", "STDEV", "SUMSQ", "VAR", "MEDIAN"]
# Functions of one value.
OF_A_CELL = ["ABS", "INT", "SQRT", "LN", "EXP", "SIGN", "LEN", "UPPER", "LOWER", "TRIM", "ISBLANK",
             "ISNUMBER", "ISTEXT", "NOT", "VALUE", "EVEN", "ODD", "FACT", "RADIANS", "SIN", "COS"]

HAND_WRITTEN = [
    "1+2*3-4/5",
    "(1+2)*3^2",
    "-A1+B$2-$C3*$D$4",
    "A1&\"x\"",
    "SUM(A1:B10,C1,D1:D3)",
    "AVERAGE(A1:A5)*2",
    "IF(A1>0,\"yes\",\"no\")",
    "ROUND(PI(),2)",
    "NOW()",
    "TODAY()",
    "VLOOKUP(A1,$B$1:$D$100,3,FALSE)",
    "HLOOKUP(A1,Data!A1:D4,2,TRUE)",
    "INDEX(Data!A1:B2,2,1)",
    "MATCH(5,Data!A1:A9,0)",
    "COUNTIF(A1:A10,\">5\")",
    "SUMIF(Data!A1:A9,\">2\",Data!B1:B9)",
    "MAX(A1:A3)-MIN(A1:A3)",
    "TRUE",
    "FALSE",
    "\"quote \"\"inside\"\"\"",
    "50%",
    "1.5e10",
    "0.25",
    "70000",
    "MOD(A1,3)=0",
    "LEFT(\"abc\",2)&UPPER(\"d\")",
    "MID(A1,2,3)&RIGHT(Data!A1,1)",
    "CONCATENATE(A1,\" \",'Sales 2026'!C3)",
    "AND(A1,OR(B1,NOT(C1)))",
    "IF(AND(A1>0,B1<0),SUM(A1:B1),IF(C1,1,0))",
    "ROUND(AVERAGE(Data!A1:B2)*1.1,2)",
    "-(-A1)",
    "(A1+B1)*(C1-D1)/(E1^2)",
    "2^3^2",
    "-2^2",
    "A1%*B1",
]


def our_text(text):
    """Our decoder quotes every sheet name and writes numbers without exponents."""
    text = re.sub(r"(?<![A-Za-z0-9_'])([A-Za-z_][A-Za-z0-9_]*)!", r"'\1'!", text)
    return text.replace("1.5e10", "15000000000")


def generated():
    for i, op in enumerate(BINARY):
        for j, left in enumerate(CELLS):
            right = CELLS[(i + j + 1) % len(CELLS)]
            yield left + op + right
    for ref in CELLS:
        yield "-" + ref
        yield ref + "%"
        yield "(" + ref + ")*2"
    for name in OVER_AREAS:
        for area in AREAS:
            yield name + "(" + area + ")"
        yield name + "(" + ",".join(CELLS[:3]) + "," + AREAS[3] + ")"
    for name in OF_A_CELL:
        for ref in CELLS[::2]:
            yield name + "(" + ref + ")"
    for ref in CELLS:
        yield "IF(" + ref + ">0," + ref + ",-" + ref + ")"
        yield "ROUND(" + ref + ",1)"
    for area in AREAS:
        yield "VLOOKUP(A1," + area + ",2,FALSE)"
        yield "COUNTIF(" + area + ",\">=3\")"
        yield "SUM(" + area + ")/COUNT(" + area + ")"


FORMULAS = HAND_WRITTEN + list(generated())

book = xlwt.Workbook()
sheet = book.add_sheet("Sheet1")
book.add_sheet("Data")
book.add_sheet("Sales 2026")
for row, text in enumerate(FORMULAS):
    sheet.write(row, 0, xlwt.Formula(text))
book.save(sys.argv[1] + ".xls")
with open(sys.argv[1] + ".txt", "w", encoding="utf-8") as out:
    out.write("".join("=" + our_text(text) + "\n" for text in FORMULAS))
