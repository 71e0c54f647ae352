"""Writes formulas-xlwt.xls: one formula per row of the first sheet, written
by xlwt from its own formula text, and formulas-xlwt.txt: each row's text as
our decoder writes it (xlwt's text with sheet names quoted)."""
import sys
import xlwt

# (text given to xlwt, the same formula in our notation)
FORMULAS = [
    ("1+2*3-4/5", None),
    ("(1+2)*3^2", None),
    ("-A1+B$2-$C3*$D$4", None),
    ("A1&\"x\"", None),
    ("A1<>B1", None),
    ("A1<=B1", None),
    ("A1>=B1", None),
    ("A1=B1", None),
    ("SUM(A1:B10)", None),
    ("SUM(A1:B10,C1,D1:D3)", None),
    ("AVERAGE(A1:A5)*2", None),
    ("IF(A1>0,\"yes\",\"no\")", None),
    ("ROUND(PI(),2)", None),
    ("NOW()", None),
    ("VLOOKUP(A1,$B$1:$D$100,3,FALSE)", None),
    ("COUNTIF(A1:A10,\">5\")", None),
    ("MAX(A1:A3)-MIN(A1:A3)", None),
    ("TRUE", None),
    ("\"quote \"\"inside\"\"\"", None),
    ("Data!A1*2", "'Data'!A1*2"),
    ("SUM(Data!A1:B2)", "SUM('Data'!A1:B2)"),
    ("'Sales 2026'!C3+1", None),
    ("50%", None),
    ("1.5e10", "15000000000"),
    ("0.25", None),
    ("70000", None),
    ("MOD(A1,3)=0", None),
    ("LEFT(\"abc\",2)&UPPER(\"d\")", None),
    ("AND(A1,OR(B1,NOT(C1)))", None),
]

book = xlwt.Workbook()
sheet = book.add_sheet("Sheet1")
book.add_sheet("Data")
book.add_sheet("Sales 2026")
expected = []
for row, (text, ours) in enumerate(FORMULAS):
    sheet.write(row, 0, xlwt.Formula(text))
    expected.append("=" + (ours or text))
book.save(sys.argv[1] + ".xls")
with open(sys.argv[1] + ".txt", "w", encoding="utf-8") as out:
    out.write("\n".join(expected) + "\n")
