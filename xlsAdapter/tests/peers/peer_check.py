#!/usr/bin/python3
"""Independent checks and fixtures for compound files and workbooks.

  olefile FILE         strict open; prints JSON: streams with sizes and
                       SHA-1, FAT and FAT-index sector counts, sector size
  xlrd FILE            prints JSON: sheet names and every sheet's cell values
  xlwt OUT ROWS SHEETS writes a workbook of ROWS x 10 numbers per sheet, a
                       long text that needs CONTINUE records, and a formula
  compare IN OUT       strict open of both; every stream but Workbook must be
                       byte-identical, OUT's Workbook must be IN's followed
                       only by zeros; prints OUT's FAT-index sector count
  make-v4 OUT NAME=FILE...  writes a compound file with 4096-byte sectors
"""
import hashlib
import json
import struct
import sys


def cmd_olefile(path):
    import olefile
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    streams = {}
    for entry in ole.listdir(streams=True, storages=False):
        name = "/".join(entry)
        data = ole.openstream(name).read()
        streams[name] = {"size": ole.get_size(name), "sha1": hashlib.sha1(data).hexdigest(),
                         "nonzero_end": len(data.rstrip(b"\0"))}
    print(json.dumps({"streams": streams, "fat": ole.num_fat_sectors, "difat": ole.num_difat_sectors,
                      "sector_size": ole.sectorsize}))


def cmd_compare(original, rewritten):
    import olefile
    a = olefile.OleFileIO(original, raise_defects=olefile.DEFECT_INCORRECT)
    b = olefile.OleFileIO(rewritten, raise_defects=olefile.DEFECT_INCORRECT)
    names_a = sorted("/".join(e) for e in a.listdir())
    names_b = sorted("/".join(e) for e in b.listdir())
    if names_a != names_b:
        sys.exit("streams differ: %s / %s" % (names_a, names_b))
    for name in names_a:
        x, y = a.openstream(name).read(), b.openstream(name).read()
        if name == "Workbook":
            if y[:len(x)] != x or y[len(x):].strip(b"\0"):
                sys.exit("Workbook differs")
        elif x != y:
            sys.exit("stream %s differs" % name)
    print(json.dumps({"difat": b.num_difat_sectors, "fat": b.num_fat_sectors}))


def cmd_xlrd(path):
    import xlrd
    book = xlrd.open_workbook(path)
    sheets = []
    for sheet in book.sheets():
        sheets.append({"name": sheet.name,
                       "rows": [sheet.row_values(r) for r in range(sheet.nrows)]})
    print(json.dumps(sheets))


def cmd_xlwt(out, rows, sheets):
    import xlwt
    book = xlwt.Workbook()
    for s in range(int(sheets)):
        sheet = book.add_sheet("Sheet%d" % (s + 1))
        for r in range(int(rows)):
            for c in range(10):
                # Fractions that RK cannot hold, so every cell is a NUMBER.
                sheet.write(r, c, r * 10 + c + 0.123456789)
        if s == 0:
            sheet.write(0, 11, "x" * 9000)
            sheet.write(1, 11, xlwt.Formula("A1+B1"))
    book.save(out)


def cmd_make_v4(out, specs):
    """A version-4 container: 4096-byte header sector, one FAT sector, one
    directory sector, streams >= 4096 bytes only (no mini stream)."""
    size = 4096
    streams = []
    for spec in specs:
        name, path = spec.split("=", 1)
        data = open(path, "rb").read()
        assert len(data) >= 4096
        streams.append((name, data))
    sectors = []  # payload sectors
    fat = []
    starts = []
    for name, data in streams:
        count = (len(data) + size - 1) // size
        starts.append(len(sectors))
        for i in range(count):
            chunk = data[i * size:(i + 1) * size]
            sectors.append(chunk + b"\0" * (size - len(chunk)))
            fat.append(len(fat) + 1 if i + 1 < count else 0xFFFFFFFE)
    dir_sector = len(sectors)
    fat.append(0xFFFFFFFE)
    fat_sector = dir_sector + 1
    fat.append(0xFFFFFFFD)
    assert len(fat) <= size // 4

    def entry(name, kind, child, left, right, start, length):
        encoded = name.encode("utf-16-le") + b"\0\0"
        e = encoded.ljust(64, b"\0")
        e += struct.pack("<HBB", len(encoded), kind, 1)
        e += struct.pack("<iii", left, right, child)
        e += b"\0" * 36
        e += struct.pack("<IQ", start, length)
        return e

    # The streams hang under the root as a right-leaning chain of siblings.
    entries = [entry("Root Entry", 5, 1 if streams else -1, -1, -1, 0xFFFFFFFE, 0)]
    for i, (name, data) in enumerate(streams):
        right = i + 2 if i + 1 < len(streams) else -1
        entries.append(entry(name, 2, -1, -1, right, starts[i], len(data)))
    directory = b"".join(entries).ljust(size, b"\0")
    # Unused entries need empty links.
    header = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 16
    header += struct.pack("<HHHHH", 0x3E, 4, 0xFFFE, 12, 6) + b"\0" * 6
    header += struct.pack("<IIIIIIIII", 1, 1, dir_sector, 0, 4096, 0xFFFFFFFE, 0, 0xFFFFFFFE, 0)
    header += struct.pack("<I", fat_sector) + b"\xFF" * (4 * 108)
    header = header.ljust(size, b"\0")
    fat_bytes = b"".join(struct.pack("<I", v) for v in fat).ljust(size, b"\xFF")
    with open(out, "wb") as f:
        f.write(header + b"".join(sectors) + directory + fat_bytes)


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    if command == "olefile":
        cmd_olefile(*args)
    elif command == "compare":
        cmd_compare(*args)
    elif command == "xlrd":
        cmd_xlrd(*args)
    elif command == "xlwt":
        cmd_xlwt(*args)
    elif command == "make-v4":
        cmd_make_v4(args[0], args[1:])
    else:
        sys.exit("unknown command " + command)
