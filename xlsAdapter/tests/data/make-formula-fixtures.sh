#!/bin/sh
# Makes formulas-xlwt.xls, formulas xlwt compiled from its own text, and
# formulas-xlwt.txt, the text of each row as our decoder writes it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/../peers/formulas_peer.py" "$here/formulas-xlwt"
