#!/bin/sh
# Makes the workbook fixtures of the globals tests: globals-xlwt.xls from
# the peer script (shared strings of every kind, a hidden sheet) and
# globals-libreoffice.xls from globals-rich.fods with LibreOffice Calc (rich
# text, a formula with a text result, a comment, a defined name).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 "$here/../peers/globals_peers.py" xlwt "$here/globals-xlwt.xls"
profile=$(mktemp -d)
out=$(mktemp -d)
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$out" "$here/globals-rich.fods"
mv "$out/globals-rich.xls" "$here/globals-libreoffice.xls"
rm -rf "$profile" "$out"
