#!/bin/sh
# Makes libreoffice.xls from libreoffice.csv with LibreOffice Calc. Its
# Workbook stream is small enough to live in the mini stream, and it carries
# CompObj, Ole and both property-set streams.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
soffice -env:UserInstallation=file://"$profile" --headless --convert-to xls --outdir "$here" "$here/libreoffice.csv"
rm -rf "$profile"
