// The empty-workbook template, built from its record list: a globals section
// and one empty worksheet, in a compound file of one stream.
#include "xlsAdapter/qorUXlsTemplate.h"

#include "xlsAdapter/qorUOle2Types.h"

#include <cstring>
#include <initializer_list>
#include <string_view>

namespace xlsAdapter {
namespace {

class TRecordWriter {
public:
    ByteArray Bytes;

    void Record(std::uint16_t Id, const ByteArray& Data)
    {
        Word(Id);
        Word(static_cast<std::uint16_t>(Data.size()));
        Bytes.insert(Bytes.end(), Data.begin(), Data.end());
    }
    void Words(std::uint16_t Id, std::initializer_list<std::uint16_t> Values) { Record(Id, WordBytes(Values)); }

    static ByteArray WordBytes(std::initializer_list<std::uint16_t> Values)
    {
        ByteArray data;
        for (std::uint16_t v : Values) {
            data.push_back(static_cast<std::uint8_t>(v));
            data.push_back(static_cast<std::uint8_t>(v >> 8));
        }
        return data;
    }

private:
    void Word(std::uint16_t v)
    {
        Bytes.push_back(static_cast<std::uint8_t>(v));
        Bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
};

void Append(ByteArray& data, const ByteArray& more)
{
    data.insert(data.end(), more.begin(), more.end());
}

// An 8-bit BIFF8 string with a 16-bit length (LengthBytes 2) or 8-bit one.
ByteArray String8(std::string_view text, int LengthBytes)
{
    ByteArray data;
    data.push_back(static_cast<std::uint8_t>(text.size()));
    if (LengthBytes == 2)
        data.push_back(static_cast<std::uint8_t>(text.size() >> 8));
    data.push_back(0);
    data.insert(data.end(), text.begin(), text.end());
    return data;
}

ByteArray Double(double value)
{
    ByteArray data(8);
    std::memcpy(data.data(), &value, 8);
    return data;
}

ByteArray Bof(std::uint16_t type)
{
    ByteArray data = TRecordWriter::WordBytes({0x0600, type, 4920, 1997});
    Append(data, TRecordWriter::WordBytes({0x00C1, 0, 0x0006, 0}));
    return data;
}

// Style XFs have the style bit and no parent; the cell XF points at style 0.
ByteArray Xf(std::uint16_t font, std::uint16_t format, bool style, std::uint8_t used)
{
    ByteArray data = TRecordWriter::WordBytes({font, format, static_cast<std::uint16_t>(style ? 0xFFF5 : 0x0001)});
    data.push_back(0x20); // bottom aligned
    data.push_back(0);
    data.push_back(0);
    data.push_back(used);
    data.resize(data.size() + 8, 0);
    Append(data, TRecordWriter::WordBytes({0x20C0})); // automatic pattern colours 64 and 65
    return data;
}

void WriteGlobals(TRecordWriter& w)
{
    w.Record(0x0809, Bof(0x0005));
    w.Words(0x00E1, {1200});                          // INTERFACEHDR
    w.Words(0x00C1, {0});                             // MMS
    w.Record(0x00E2, {});                             // INTERFACEEND
    ByteArray access = String8("Corvanta Vistra", 2); // WRITEACCESS
    access.resize(112, ' ');
    w.Record(0x005C, access);
    w.Words(0x0042, {1200}); // CODEPAGE
    w.Words(0x0161, {0});    // DSF
    w.Record(0x01C0, {});
    w.Words(0x013D, {1});  // TABID
    w.Words(0x009C, {14}); // FNGROUPCOUNT
    for (std::uint16_t id : {0x0019, 0x0012, 0x0013, 0x01AF, 0x01BC}) // protection
        w.Words(id, {0});
    w.Words(0x003D, {360, 240, 14940, 9150, 0x0038, 0, 0, 1, 600}); // WINDOW1
    w.Words(0x0040, {0});                                           // BACKUP
    w.Words(0x008D, {0});                                           // HIDEOBJ
    w.Words(0x0022, {0});                                           // DATEMODE
    w.Words(0x000E, {1});                                           // PRECISION
    w.Words(0x01B7, {0});                                           // REFRESHALL
    w.Words(0x00DA, {0});                                           // BOOKBOOL
    for (int i = 0; i < 4; ++i) {
        ByteArray font = TRecordWriter::WordBytes({200, 0, 0x7FFF, 400, 0});
        font.resize(font.size() + 4, 0); // underline, family, charset, reserved
        Append(font, String8("Arial", 1));
        w.Record(0x0031, font);
    }
    const std::pair<std::uint16_t, std::string_view> formats[] = {
        {5, "\"$U\"\\ #,##0;\"$U\"\\ \\-#,##0"},
        {6, "\"$U\"\\ #,##0;[Red]\"$U\"\\ \\-#,##0"},
        {7, "\"$U\"\\ #,##0.00;\"$U\"\\ \\-#,##0.00"},
        {8, "\"$U\"\\ #,##0.00;[Red]\"$U\"\\ \\-#,##0.00"},
        {42, "_ \"$U\"\\ * #,##0_ ;_ \"$U\"\\ * \\-#,##0_ ;_ \"$U\"\\ * \"-\"_ ;_ @_ "},
        {41, "_ * #,##0_ ;_ * \\-#,##0_ ;_ * \"-\"_ ;_ @_ "},
        {44, "_ \"$U\"\\ * #,##0.00_ ;_ \"$U\"\\ * \\-#,##0.00_ ;_ \"$U\"\\ * \"-\"??_ ;_ @_ "},
        {43, "_ * #,##0.00_ ;_ * \\-#,##0.00_ ;_ * \"-\"??_ ;_ @_ "},
    };
    for (const auto& [id, text] : formats) {
        ByteArray format = TRecordWriter::WordBytes({id});
        Append(format, String8(text, 2));
        w.Record(0x041E, format);
    }
    const std::uint16_t styleFonts[15] = {0, 1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::uint16_t font : styleFonts)
        w.Record(0x00E0, Xf(font, 0, true, font == 0 ? 0 : 0xF4));
    w.Record(0x00E0, Xf(0, 0, false, 0));
    for (std::uint16_t format : {43, 41, 44, 42, 9})
        w.Record(0x00E0, Xf(1, format, true, 0xF8));
    const std::pair<std::uint16_t, std::uint8_t> styles[] = {{16, 3}, {17, 6}, {18, 4}, {19, 7}, {0, 0}, {20, 5}};
    for (const auto& [xf, builtIn] : styles) {
        ByteArray style = TRecordWriter::WordBytes({static_cast<std::uint16_t>(0x8000 | xf)});
        style.push_back(builtIn);
        style.push_back(0xFF);
        w.Record(0x0293, style);
    }
    w.Words(0x0160, {0}); // USESELFS
    ByteArray sheet(4, 0); // BOUNDSHEET; the offset is set on saving
    sheet.push_back(0);
    sheet.push_back(0);
    Append(sheet, String8("Sheet1", 1));
    w.Record(0x0085, sheet);
    w.Words(0x008C, {1, 598});                  // COUNTRY
    w.Words(0x01C1, {0x01C1, 0, 0, 0});         // RECALCID
    w.Words(0x00FC, {0, 0, 0, 0});              // SST
    w.Words(0x00FF, {8});                       // EXTSST
    w.Words(0x0863, {0x0863, 0, 0, 0, 0, 0, 20, 0, 0, 0}); // BOOKEXT
    w.Record(0x000A, {});
}

void WriteSheet(TRecordWriter& w)
{
    w.Record(0x0809, Bof(0x0010));
    w.Record(0x020B, ByteArray(16, 0)); // INDEX
    w.Words(0x000D, {1});               // CALCMODE
    w.Words(0x000C, {100});             // CALCCOUNT
    w.Words(0x000F, {1});               // REFMODE
    w.Words(0x0011, {0});               // ITERATION
    w.Record(0x0010, Double(0.001));    // DELTA
    w.Words(0x005F, {1});               // SAVERECALC
    w.Words(0x002A, {0});               // PRINTHEADERS
    w.Words(0x002B, {0});               // PRINTGRIDLINES
    w.Words(0x0082, {1});               // GRIDSET
    w.Words(0x0080, {0, 0, 0, 0});      // GUTS
    w.Words(0x0225, {0, 255});          // DEFAULTROWHEIGHT
    w.Words(0x0081, {0x04C1});          // WSBOOL
    w.Record(0x0014, {});               // HEADER
    w.Record(0x0015, {});               // FOOTER
    w.Words(0x0083, {0});               // HCENTER
    w.Words(0x0084, {0});               // VCENTER
    ByteArray setup = TRecordWriter::WordBytes({0, 255, 1, 1, 1, 0x0004, 0, 0});
    Append(setup, Double(0.5));
    Append(setup, Double(0.5));
    Append(setup, TRecordWriter::WordBytes({0}));
    w.Record(0x00A1, setup);
    w.Words(0x0055, {8});                                 // DEFCOLWIDTH
    w.Record(0x0200, ByteArray(14, 0));                   // DIMENSIONS
    w.Words(0x023E, {0x06B6, 0, 0, 64, 0, 0, 0, 0, 0});   // WINDOW2
    ByteArray selection{3};                                // SELECTION: pane 3, A1
    Append(selection, TRecordWriter::WordBytes({0, 0, 0, 1, 0, 0}));
    selection.push_back(0);
    selection.push_back(0);
    w.Record(0x001D, selection);
    w.Record(0x00EF, {0x00, 0x00, 0x37, 0x00, 0x00, 0x00});
    w.Record(0x000A, {});
}

void Put32(ByteArray& data, std::size_t pos, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data[pos + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void Put16(ByteArray& data, std::size_t pos, std::uint16_t value)
{
    data[pos] = static_cast<std::uint8_t>(value);
    data[pos + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutDirEntry(ByteArray& dir, std::size_t pos, std::u16string_view name, std::uint8_t type, std::uint32_t child,
                 std::uint32_t start, std::uint32_t size)
{
    for (std::size_t i = 0; i < name.size(); ++i)
        Put16(dir, pos + 2 * i, name[i]);
    Put16(dir, pos + 64, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    dir[pos + 66] = type;
    dir[pos + 67] = DECOLOR_BLACK;
    Put32(dir, pos + 68, FREESECT);
    Put32(dir, pos + 72, FREESECT);
    Put32(dir, pos + 76, child);
    Put32(dir, pos + 116, start);
    Put32(dir, pos + 120, size);
}

// Header, the stream in sectors 0..7, the directory in 8, the FAT in 9.
ByteArray CompoundFile(ByteArray stream)
{
    constexpr std::size_t sector = 512;
    constexpr std::uint32_t streamSectors = 8;
    stream.resize(streamSectors * sector, 0);
    ByteArray file(sector, 0);
    std::memcpy(file.data(), Ole2Signature.data(), Ole2Signature.size());
    Put16(file, 24, 0x003E);
    Put16(file, 26, 3);
    Put16(file, 28, 0xFFFE);
    Put16(file, 30, 9);
    Put16(file, 32, 6);
    Put32(file, 44, 1);                    // FAT sectors
    Put32(file, 48, streamSectors);        // directory start
    Put32(file, 56, 4096);                 // mini-stream cutoff
    Put32(file, 60, ENDOFCHAIN);           // no mini-FAT
    Put32(file, 68, ENDOFCHAIN);           // no FAT index
    for (std::size_t pos = 76; pos < sector; pos += 4)
        Put32(file, pos, FREESECT);
    Put32(file, 76, streamSectors + 1);
    Append(file, stream);

    ByteArray dir(sector, 0);
    PutDirEntry(dir, 0, u"Root Entry", STGTY_ROOT, 1, ENDOFCHAIN, 0);
    PutDirEntry(dir, 128, u"Workbook", STGTY_STREAM, FREESECT, 0, streamSectors * sector);
    for (std::size_t pos = 256; pos < sector; pos += 128) {
        Put32(dir, pos + 68, FREESECT);
        Put32(dir, pos + 72, FREESECT);
        Put32(dir, pos + 76, FREESECT);
    }
    Append(file, dir);

    ByteArray fat(sector, 0xFF);
    for (std::uint32_t i = 0; i + 1 < streamSectors; ++i)
        Put32(fat, 4 * i, i + 1);
    Put32(fat, 4 * (streamSectors - 1), ENDOFCHAIN);
    Put32(fat, 4 * streamSectors, ENDOFCHAIN);
    Put32(fat, 4 * (streamSectors + 1), FATSECT);
    Append(file, fat);
    return file;
}

} // namespace

const ByteArray& EmptyWorkbookTemplate()
{
    static const ByteArray bytes = [] {
        TRecordWriter w;
        WriteGlobals(w);
        WriteSheet(w);
        return CompoundFile(std::move(w.Bytes));
    }();
    return bytes;
}

} // namespace xlsAdapter
