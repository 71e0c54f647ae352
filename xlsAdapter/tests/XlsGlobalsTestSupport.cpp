// Helpers of the section, string table and workbook tests.
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

namespace xlstest {

std::string Fixture(const std::string& name)
{
    return std::string(VISTRA_TEST_DATA "/") + name;
}

ByteArray WrittenBytes(const std::function<void(TOle2File&)>& Write)
{
    TMemoryStream source;
    source.LoadFromFile(Fixture("libreoffice.xls"));
    source.SetPosition(0);
    TMemoryStream file;
    std::int64_t written = 0;
    {
        TOle2File container(source);
        container.PrepareForWrite(file, u"Workbook");
        Write(container);
        written = container.Position();
        container.FinishWrite();
    }
    file.SetPosition(0);
    TOle2File container(file);
    container.SelectStream(u"Workbook");
    // The container pads short streams; only what was written counts.
    ByteArray bytes(static_cast<std::size_t>(written));
    container.ReadMem(bytes.data(), written);
    return bytes;
}

} // namespace xlstest

namespace xlstest {

ByteArray Words(std::initializer_list<std::uint16_t> words)
{
    ByteArray data;
    for (std::uint16_t w : words) {
        data.push_back(static_cast<std::uint8_t>(w));
        data.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return data;
}

ByteArray Bof(std::uint16_t type)
{
    return Rec(0x0809, Words({0x0600, type, 0x0DBB, 0x07CC, 0, 0, 6, 0x0406}));
}

ByteArray Eof()
{
    return Rec(0x000A, {});
}

ByteArray BoundSheet(const std::string& name, std::uint16_t options)
{
    ByteArray data = Words({0, 0, options});
    data.push_back(static_cast<std::uint8_t>(name.size()));
    data.push_back(0);
    data.insert(data.end(), name.begin(), name.end());
    return Rec(0x0085, data);
}

ByteArray Window1()
{
    return Rec(0x003D, Words({0x168, 0x1E0, 0x3000, 0x2000, 0x38, 0, 0, 1, 0x258}));
}

ByteArray SheetSection(bool selected)
{
    return Concat({Bof(0x0010), Rec(0x023E, Words({std::uint16_t(selected ? 0x06B6 : 0x00B6), 0, 0, 64, 0, 0, 0, 0, 0})),
                   Eof()});
}

void LoadWorkbook(const ByteArray& Stream, TWorkbook& Workbook)
{
    TMemoryStream source;
    source.LoadFromFile(Fixture("libreoffice.xls"));
    source.SetPosition(0);
    TMemoryStream file;
    {
        TOle2File container(source);
        container.PrepareForWrite(file, u"Workbook");
        container.Write(Stream);
        container.FinishWrite();
    }
    file.SetPosition(0);
    TOle2File container(file);
    container.SelectStream(u"Workbook");
    Workbook.LoadFromStream(container);
}

ByteArray SaveWorkbook(TWorkbook& Workbook)
{
    return WrittenBytes([&](TOle2File& out) { Workbook.SaveToStream(out, false); });
}

void RoundTripFile(const std::string& In, const std::string& Out)
{
    TFileStream input(In, fmOpenRead);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    TWorkbook workbook;
    workbook.LoadFromStream(container);
    TFileStream output(Out, fmCreate);
    container.PrepareForWrite(output, u"Workbook");
    workbook.SaveToStream(container, false);
    container.FinishWrite();
}

std::vector<TRawRecord> RawRecords(const ByteArray& Stream)
{
    std::vector<TRawRecord> records;
    std::size_t pos = 0;
    while (pos + 4 <= Stream.size()) {
        const std::uint16_t id = GetWord(Stream, static_cast<std::int64_t>(pos));
        const std::uint16_t size = GetWord(Stream, static_cast<std::int64_t>(pos + 2));
        if (id == 0 || pos + 4 + size > Stream.size())
            break;
        const auto begin = Stream.begin() + static_cast<std::ptrdiff_t>(pos + 4);
        if (id == 0x003C && !records.empty())
            records.back().Data.insert(records.back().Data.end(), begin, begin + size);
        else
            records.push_back({id, ByteArray(begin, begin + size)});
        pos += 4 + size;
    }
    return records;
}

} // namespace xlstest
