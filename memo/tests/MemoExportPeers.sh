#!/bin/sh
# The peers read the memo's exports of a coloured C++ source: headless Chromium shows the
# HTML with the colours of the memo's own picture, and LibreOffice turns the RTF into text
# holding every line and into a PDF showing the colours. Pictures are kept in OUTDIR.
# Usage: MemoExportPeers.sh MEMO_EXPORT_PEER OUTDIR
set -eu
peer=$1
out=$2/memo-export-peers
rm -rf "$out"; mkdir -p "$out"
"$peer" "$out"
for tool in chromium soffice pdftoppm python3; do
  command -v $tool >/dev/null 2>&1 || { echo "needs $tool"; [ "${CI:-}" = "true" ] && exit 1; exit 77; }
done

profile=$(mktemp -d)
timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
  --disable-sync --no-first-run --user-data-dir="$profile" --window-size=720,260 --hide-scrollbars \
  --screenshot="$out/memo-export-chromium.png" "file://$out/memo-export.html" >/dev/null 2>&1
rm -rf "$profile"

home=$(mktemp -d)
timeout 120 soffice -env:UserInstallation=file://$home --headless --convert-to txt:Text --outdir "$out" "$out/memo-export.rtf" >/dev/null 2>&1
timeout 120 soffice -env:UserInstallation=file://$home --headless --convert-to pdf --outdir "$out" "$out/memo-export.rtf" >/dev/null 2>&1
rm -rf "$home"
pdftoppm -r 100 -png -singlefile "$out/memo-export.pdf" "$out/memo-export-pdf"

python3 - "$out" <<'PY'
import sys, zlib, struct
out = sys.argv[1]

def pixels(path):
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n', path
    pos, chunks, w = 8, b'', 0
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b'IHDR':
            w, h, depth, ctype = struct.unpack('>IIBB', body[:10])
            bpp = {2: 3, 6: 4}[ctype]
        elif kind == b'IDAT':
            chunks += body
        pos += 12 + n
    raw, rows, prev = zlib.decompress(chunks), [], bytearray(w * bpp)
    stride = w * bpp
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if f == 1: line[i] = (line[i] + a) & 255
            elif f == 2: line[i] = (line[i] + b) & 255
            elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c; pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line); prev = line
    return {(r[i], r[i + 1], r[i + 2]) for r in rows for i in range(0, stride, bpp)}

def near(colour, seen, tolerance=40):
    return any(sum(abs(a - b) for a, b in zip(colour, s)) <= tolerance for s in seen)

# The syntax colours as RGB: keyword navy, string orange, comment green, number red, symbol teal.
syntax = {'keyword': (0, 0, 128), 'string': (255, 128, 0), 'comment': (0, 128, 0), 'number': (192, 0, 0), 'symbol': (0, 128, 128)}
memo = pixels(out + '/memo-export-memo.png')
browser = pixels(out + '/memo-export-chromium.png')
pdf = pixels(out + '/memo-export-pdf.png')
failed = False
for name, colour in syntax.items():
    shown = [near(colour, memo), near(colour, browser), near(colour, pdf)]
    print(f'{name:8} memo={shown[0]} chromium={shown[1]} libreoffice-pdf={shown[2]}')
    failed |= not all(shown)
# LibreOffice's text export writes each space of a run of spaces as a narrow space and a space.
text = open(out + '/memo-export.txt', encoding='utf-8-sig').read().replace('\u2006 ', ' ').splitlines()
want = ['#include <cstdio>', '/* Counts the words of a line. */', 'int count(const char* line)', '{', '    int words = 0;',
        '    for (int i = 0; line[i] != 0; ++i)', "        if (line[i] == ' ') ++words;   // a blank ends a word",
        '    return words + 1;', '}', 'int main() { return count("one two <three> & four") == 4 ? 0 : 42; }']
for line in want:
    if line not in text:
        print('missing from the LibreOffice text:', repr(line)); failed = True
sys.exit(1 if failed else 0)
PY
echo "pictures: $out/memo-export-memo.png $out/memo-export-chromium.png $out/memo-export-pdf.png"
