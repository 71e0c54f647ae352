// The record stream: record classes by id, CONTINUE chains, companions,
// refusals, and reading data and strings across CONTINUE records.
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/tests/XlsTestSupport.h"
#include "testsupport/CompoundFile.h"

#include <gtest/gtest.h>

#include <functional>

using namespace xlstest;

namespace {

ByteArray Bytes(std::size_t size, std::uint8_t first)
{
    ByteArray bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

const ByteArray Bof = Rec(0x0809, {0x00, 0x06, 0x05, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
const ByteArray Eof = Rec(0x000A, {});

// The records of a Workbook stream held in a compound file in memory.
class TRecordStream {
public:
    TRecordStream(const ByteArray& workbook) : FContainer(Loaded(FInput, testsupport::CompoundFile(workbook)))
    {
        FContainer.SelectStream(u"Workbook");
        ReadRecordHeader(FContainer, Header);
    }
    std::unique_ptr<TBaseRecord> Next() { return LoadRecord(FContainer, Header); }

    TRecordHeader Header;

private:
    static TStream& Loaded(TMemoryStream& stream, const ByteArray& bytes)
    {
        stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        stream.SetPosition(0);
        return stream;
    }

    TMemoryStream FInput;
    TOle2File FContainer;
};

// The container pads a stream shorter than 4096 bytes with zeros; tests of what happens at the
// stream's end put this record first to make the stream longer than that.
const ByteArray Filler = Rec(0x0862, ByteArray(4096, 0));

std::string LoadError(const ByteArray& workbook, int recordsBefore)
{
    TRecordStream stream(workbook);
    return ErrorOf([&] {
        for (int i = 0; i <= recordsBefore; ++i)
            stream.Next();
    });
}

int ChainLength(const TBaseRecord& record)
{
    int n = 0;
    for (const TContinueRecord* link = record.Continue.get(); link; link = link->Continue.get())
        ++n;
    return n;
}

} // namespace

TEST(XlsRecordReader, RecordsComeBackAsTheirClassesWithChains)
{
    ByteArray row(16, 0);
    row[0] = 5;
    row[8] = 0x77; // cleared on loading
    ByteArray formula = Bytes(26, 3);
    formula[20] = 4; // the token count: the last four bytes
    formula[21] = 0;
    const ByteArray workbook = Concat({Rec(0x003C, Bytes(3, 7)), Bof,
                                       Rec(0x00FC, Bytes(8224, 0)), Rec(0x003C, Bytes(100, 1)),
                                       Rec(0x003C, Bytes(0, 0)), Rec(0x003C, Bytes(7, 2)),
                                       Rec(0x0006, formula), Rec(0x0207, Bytes(5, 4)),
                                       Rec(0x0862, Bytes(12, 5)), Rec(0x0208, row), Rec(0x020B, Bytes(16, 6)),
                                       Rec(0x003C, Bytes(3, 7)), Eof});
    TRecordStream stream(workbook);
    struct Expected {
        std::uint16_t id;
        const char* className;
        int continues;
    };
    const Expected expected[] = {
        {0x003C, "TContinueRecord", 0}, {0x0809, "TBaseRecord", 0},  {0x00FC, "TBaseRecord", 3}, {0x0006, "TBaseRecord", 0},
        {0x0207, "TBaseRecord", 0},  {0x0862, "TBaseRecord", 0}, {0x0208, "TRowRecord", 0},
        {0x020B, "TIgnoreRecord", 1}, {0x000A, "TBaseRecord", 0},
    };
    std::vector<std::unique_ptr<TBaseRecord>> records;
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        ASSERT_FALSE(stream.Header.EndOfStream);
        records.push_back(stream.Next());
        const TBaseRecord& record = *records.back();
        EXPECT_EQ(e.id, record.Id);
        const char* name = dynamic_cast<const TRowRecord*>(&record)        ? "TRowRecord"
                           : dynamic_cast<const TIgnoreRecord*>(&record)   ? "TIgnoreRecord"
                           : dynamic_cast<const TContinueRecord*>(&record) ? "TContinueRecord"
                                                                            : "TBaseRecord";
        EXPECT_STREQ(e.className, name);
        EXPECT_EQ(e.continues, ChainLength(record));
    }
    EXPECT_TRUE(stream.Header.EndOfStream);
    EXPECT_EQ(0x000A, stream.Header.Id);
    EXPECT_EQ(8224 + 100 + 0 + 7, records[2]->TotalSizeNoHeaders());
    EXPECT_EQ(Bytes(12, 5), records[5]->Data);
    EXPECT_EQ(0, GetWord(records[6]->Data, 8));
    EXPECT_EQ(0, records[7]->TotalSize());
    EXPECT_EQ(records[4]->StreamOffset + 4 + 5, records[5]->StreamOffset);
}

TEST(XlsRecordReader, UnknownRecordsAndContinueSplitsRoundTripByteForByte)
{
    TempFolder dir;
    const ByteArray workbook = Concat({Bof, Rec(0x0862, Bytes(20, 1)), Rec(0x00FC, Bytes(8224, 2)),
                                       Rec(0x003C, Bytes(8224, 3)), Rec(0x003C, Bytes(9, 4)), Rec(0x1234, {}),
                                       Rec(0x0208, ByteArray(16, 0)), Rec(0x00D7, Bytes(6, 5)), Eof, {0, 0}});
    const std::string in = MakeContainer(dir, "in.xls", workbook);
    const std::string out = dir / "out.xls";
    std::string log;
    ASSERT_EQ(0, RunCommand(XlsDump() + " --rewrite " + in + " " + out, &log)) << log;
    ByteArray expected = workbook;
    expected.resize(std::max<std::size_t>(expected.size(), 4096));
    EXPECT_EQ(expected, ReadStream(out, u"Workbook"));
    ASSERT_EQ(0, RunCommand(XlsDump() + " " + out, &log)) << log;
    EXPECT_NE(std::string::npos, log.find("record 0x00fc length 8224 offset 44\n  continue length 8224 offset 8272\n"
                                          "  continue length 9 offset 16500\n"))
        << log;
}

TEST(XlsRecordReader, RefusedAndBrokenStreams)
{
    ByteArray shortRow = Rec(0x0208, ByteArray(8, 0));
    struct Case {
        const char* name;
        ByteArray workbook;
        int recordsBefore;
        const char* expected;
    };
    const Case cases[] = {
        {"FILEPASS", Concat({Bof, Rec(0x002F, Bytes(6, 0)), Eof}), 1, "xls: record 0x002f at offset 20: File is password protected"},
        {"TABLE after a label", Concat({Bof, Rec(0x0204, Bytes(10, 0)), Rec(0x0236, Bytes(16, 0)), Eof}), 1,
         "xls: record 0x0236 at offset 34: Error reading Excel records. File invalid"},
        {"tooltip without a link", Concat({Bof, Rec(0x0203, Bytes(14, 0)), Rec(0x0800, Bytes(10, 0)), Eof}), 1,
         "xls: record 0x0800 at offset 38: Error reading Excel records. File invalid"},
        {"STRING after a number", Concat({Bof, Rec(0x0203, Bytes(14, 0)), Rec(0x0207, Bytes(4, 0)), Eof}), 1,
         "xls: record 0x0207 at offset 38: Error reading Excel records. File invalid"},
        {"ROW of 8 bytes", Concat({Bof, shortRow, Eof}), 1,
         "xls: record 0x0208 at offset 20: Record 0x0208 is 8 bytes, needs 16"},
        {"ROW of 2 bytes", Concat({Bof, Rec(0x0208, {1, 0}), Eof}), 1,
         "xls: record 0x0208 at offset 20: Record with ID 0x208 is invalid"},
        {"record longer than the stream", Concat({Bof, Filler, ByteArray{0x03, 0x02, 0x00, 0x10}, Bytes(20, 0)}), 2,
         "End of stream reached with 4076 bytes left to read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, LoadError(c.workbook, c.recordsBefore));
    }
    TBaseRecord record(0x00FC, Bytes(4, 0));
    record.AddContinue(std::make_unique<TContinueRecord>(0x003C, Bytes(4, 0)));
    try {
        record.AddContinue(std::make_unique<TContinueRecord>(0x003C, Bytes(4, 0)));
        ADD_FAILURE() << "a second CONTINUE was accepted";
    } catch (const EExcelException& e) {
        EXPECT_EQ("Trying to add more than one CONTINUE record to the same record", e.Message());
    }
}

TEST(XlsRecordReader, StreamEndingAfterARecordGivesEof)
{
    TRecordStream stream(Concat({Bof, Filler, Rec(0x0862, Bytes(3, 0)), {0x11, 0x22}}));
    stream.Next();
    stream.Next();
    EXPECT_FALSE(stream.Header.EndOfStream);
    auto last = stream.Next();
    EXPECT_EQ(Bytes(3, 0), last->Data);
    EXPECT_TRUE(stream.Header.EndOfStream);
    EXPECT_EQ(0x000A, stream.Header.Id);
    EXPECT_EQ(0, stream.Header.Size);
}

namespace {

// A record of Head's bytes followed by CONTINUE records of the given bytes.
std::unique_ptr<TBaseRecord> Chain(const ByteArray& head, std::initializer_list<ByteArray> links)
{
    auto record = std::make_unique<TBaseRecord>(0x00FC, head);
    TBaseRecord* tail = record.get();
    for (const ByteArray& link : links) {
        tail->AddContinue(std::make_unique<TContinueRecord>(0x003C, link));
        tail = tail->Continue.get();
    }
    return record;
}

struct TStringRead {
    std::string Short;
    std::u16string Wide;
    std::uint8_t Active;
};

TStringRead ReadString(const TBaseRecord& first, int pos, int count, std::uint8_t options)
{
    const TBaseRecord* record = &first;
    TStringRead result;
    int charsRead = 0;
    result.Active = options;
    ReadStrAcrossContinue(record, pos, result.Short, count, charsRead, options, result.Active, result.Wide);
    EXPECT_EQ(count, charsRead);
    return result;
}

} // namespace

TEST(XlsRecordReader, StringsAcrossContinueRecords)
{
    // "ab" 8-bit, then a CONTINUE whose option byte says 16-bit: "€d".
    const ByteArray wideTail{0x01, 0xAC, 0x20, 'd', 0x00};
    for (const std::uint8_t option : {std::uint8_t{0x01}, std::uint8_t{0x05}}) {
        SCOPED_TRACE(option);
        ByteArray tail = wideTail;
        tail[0] = option;
        const auto record = Chain({'x', 'a', 'b'}, {tail});
        const TStringRead read = ReadString(*record, 1, 4, 0);
        EXPECT_EQ(u"ab\u20ACd", read.Wide);
        EXPECT_EQ(1, read.Active & 1);
    }
    // 16-bit, then an 8-bit part that is widened as it is read.
    const auto mixed = Chain({0x41, 0x00}, {{0x00, 'B', 'C'}});
    EXPECT_EQ(u"ABC", ReadString(*mixed, 0, 3, 1).Wide);
    // All 8-bit stays short.
    const auto narrow = Chain({'h', 'i'}, {{0x00, '!'}});
    EXPECT_EQ("hi!", ReadString(*narrow, 0, 3, 0).Short);

    const auto empty = Chain({'a'}, {{}});
    EXPECT_THROW(ReadString(*empty, 0, 2, 0), EExcelException);
    const auto halfChar = Chain({0x41}, {});
    EXPECT_THROW(ReadString(*halfChar, 0, 1, 1), EExcelException);
}

TEST(XlsRecordReader, DataAcrossContinueRecords)
{
    const auto record = Chain({1, 2, 3}, {{4, 5}, {}, {6, 7, 8}});
    const TBaseRecord* at = record.get();
    int pos = 1;
    std::uint8_t buffer[6] = {};
    ReadMemAcrossContinue(at, pos, 6, buffer);
    EXPECT_EQ((ByteArray{2, 3, 4, 5, 6, 7}), ByteArray(buffer, buffer + 6));
    EXPECT_EQ(2, pos);
    ReadMemAcrossContinue(at, pos, 1, nullptr);
    EXPECT_EQ(3, pos);
    EXPECT_THROW(ReadMemAcrossContinue(at, pos, 1, buffer), EExcelException);
    pos = 9;
    EXPECT_THROW(ReadMemAcrossContinue(at, pos, 1, buffer), EExcelException);
}

TEST(XlsRecordReader, VeryLongContinueChainsNeedNoDeepRecursion)
{
    auto record = std::make_unique<TBaseRecord>(0x00EB, Bytes(10, 0));
    TBaseRecord* tail = record.get();
    for (int i = 0; i < 1000000; ++i) {
        tail->AddContinue(std::make_unique<TContinueRecord>(0x003C, ByteArray{}));
        tail = tail->Continue.get();
    }
    EXPECT_EQ(14 + 4 * 1000000, record->TotalSize());
    auto copy = record->DoCopyTo();
    EXPECT_EQ(record->TotalSize(), copy->TotalSize());
    record.reset();
    copy.reset();
}
