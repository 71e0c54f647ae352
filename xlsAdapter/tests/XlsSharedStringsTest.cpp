// Strings across CONTINUE records, the shared string table's entries and
// references, its SST and EXTSST records, and the label records bound to it.
#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsSST.h"
#include "xlsAdapter/qorUXlsStrings.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"
#include "testsupport/CompoundFile.h"

#include <gtest/gtest.h>

using namespace xlsAdapter;

namespace {

struct TWrittenTable {
    ByteArray Bytes;
    std::int64_t PredictedSize = 0;
};

TWrittenTable Write(TSST& sst)
{
    TWrittenTable table;
    table.PredictedSize = sst.TotalSize();
    table.Bytes = xlstest::WrittenBytes([&](TOle2File& out) { sst.SaveToStream(out); });
    return table;
}

// The records of a written stream, with their CONTINUE chains.
std::vector<std::unique_ptr<TBaseRecord>> Records(const ByteArray& stream)
{
    // An EOF record ends the records before the zeros the container pads a short stream with.
    const ByteArray file = testsupport::CompoundFile(xlstest::Concat({stream, xlstest::Rec(xlr::EOF_, {})}));
    TMemoryStream input;
    input.WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
    input.SetPosition(0);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    std::vector<std::unique_ptr<TBaseRecord>> records;
    TRecordHeader header;
    ReadRecordHeader(container, header);
    while (!header.EndOfStream && header.Id != xlr::EOF_)
        records.push_back(LoadRecord(container, header));
    return records;
}

// Reads the written SST back into a new table, in file order.
TSST ReadBack(const ByteArray& stream)
{
    auto records = Records(stream);
    TSST sst;
    sst.Load(static_cast<const TSSTRecord&>(*records.at(0)));
    return sst;
}

std::u16string Repeat(char16_t c, int n)
{
    return std::u16string(static_cast<std::size_t>(n), c);
}

} // namespace

TEST(ExcelString, FragmentsOfBothWidthsJoinIntoOneWideText)
{
    TBaseRecord record(0x0204, ByteArray{3, 0, 0, 'a', 'b'});
    record.AddContinue(std::make_unique<TContinueRecord>(xlr::CONTINUE, ByteArray{1, 0x16, 0x04}));
    const TBaseRecord* at = &record;
    int pos = 0;
    const TExcelString text(2, at, pos);
    EXPECT_EQ(u"ab\u0416", text.Value());
    EXPECT_EQ(1, text.OptionFlags & 1);
    EXPECT_EQ(3, pos);
    EXPECT_EQ(at, record.Continue.get());
}

TEST(ExcelString, SizesThatRunPastTheDataAreRefusedBeforeAnythingIsAllocated)
{
    // Far-east data of 4 GB, runs past the record, characters past it.
    const ByteArray cases[] = {{1, 0, 4, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, {1, 0, 8, 200, 0, 'a'}, {9, 0, 0, 'a', 'b'}};
    for (const ByteArray& data : cases) {
        TBaseRecord record(0x0204, data);
        const TBaseRecord* at = &record;
        int pos = 0;
        EXPECT_THROW(TExcelString(2, at, pos), EExcelException);
    }
    EXPECT_THROW(TExcelString(1, Repeat(u'x', 256)), EExcelException);
}

TEST(ExcelString, ComparesByWidthOptionsAndThenText)
{
    const struct { TExcelString a, b; int expected; } cases[] = {
        {TExcelString(1, u"zz"), TExcelString(2, u"a"), -1},        // length field first
        {TExcelString(2, u"b"), TExcelString(2, u"a", true), -1},   // then the option byte
        {TExcelString(2, u"b"), TExcelString(2, u"aa"), -1},        // 8-bit: shorter first
        {TExcelString(2, u"ab"), TExcelString(2, u"aa"), 1},
        {TExcelString(2, u"b", true), TExcelString(2, u"aa", true), 1},  // 16-bit: by code units
        {TExcelString(2, u"\u0416"), TExcelString(2, u"\u0416"), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, c.a.Compare(c.b)) << rtl::Utf16ToUtf8(c.a.Value()) << " " << rtl::Utf16ToUtf8(c.b.Value());
        EXPECT_EQ(-c.expected, c.b.Compare(c.a));
    }
}

TEST(SharedStrings, EqualStringsShareOneEntry)
{
    TSST sst;
    const int first = sst.AddString(u"abc", {});
    const std::uint32_t used = sst.UsedSize();
    EXPECT_EQ(first, sst.AddString(u"abc", {}));
    EXPECT_EQ(used, sst.UsedSize());
    EXPECT_EQ(2u, sst.References(sst.Items(first)));

    const int rich = sst.AddString(u"abc", {{1, 5}});
    EXPECT_EQ(2, sst.Count());
    EXPECT_NE(sst.Items(rich), sst.Items(sst.AddString(u"abc", {})));
    // Entries keep the order of adding until they are put in the saved
    // order: shorter entries first; at equal size the bytes decide.
    sst.AddString(u"ab", {});
    sst.AddString(u"abd", {});
    EXPECT_EQ(u"ab", sst.Text(sst.Items(2)));
    sst.FixRefs();
    std::vector<std::u16string> order;
    for (int i = 0; i < sst.Count(); ++i)
        order.push_back(sst.Text(sst.Items(i)));
    EXPECT_EQ((std::vector<std::u16string>{u"ab", u"abc", u"abd", u"abc"}), order);
    EXPECT_EQ((TRTFRunList{{1, 5}}.size()), sst.Runs(sst.Items(3)).size());
}

TEST(SharedStrings, ReferencesCountPast65535)
{
    TSST sst;
    for (int i = 0; i < 70000; ++i)
        sst.AddString(u"Yes", {});
    const int no = sst.AddString(u"No", {});
    sst.AddReference(sst.Items(no), -1);  // "No" is no longer used
    sst.FixRefs();
    ASSERT_EQ(1, sst.Count());
    EXPECT_EQ(u"Yes", sst.Text(sst.Items(0)));
    EXPECT_EQ(70000u, sst.References(sst.Items(0)));
}

TEST(SharedStrings, WrittenTableReadsBackAndSplitsAtRecordEnds)
{
    TSST sst;
    std::vector<std::pair<std::u16string, TRTFRunList>> strings = {
        {u"plain", {}},
        {u"rich text", {{0, 5}, {5, 6}}},
        {u"caf\u00e9", {}},
        {Repeat(u'a', 8200), {}},                                   // fills the SST record
        {Repeat(u'x', 6000) + u"\u0416" + Repeat(u'y', 3000), {}}, // 16-bit after a CONTINUE
        {u"\u0416" + Repeat(u'b', 10000), {{0, 7}}},               // wide first, then 8-bit fragments
    };
    for (auto& [text, runs] : strings)
        sst.AddString(text, runs);
    const TWrittenTable written = Write(sst);
    EXPECT_EQ(written.PredictedSize, static_cast<std::int64_t>(written.Bytes.size()));

    TSST back = ReadBack(written.Bytes);
    ASSERT_EQ(sst.Count(), back.Count());
    for (int i = 0; i < sst.Count(); ++i) {
        EXPECT_EQ(sst.Text(sst.Items(i)), back.Text(back.Items(i))) << i;
        EXPECT_EQ(sst.Runs(sst.Items(i)).size(), back.Runs(back.Items(i)).size()) << i;
    }
    // No record is longer than the format allows; CONTINUE records that go
    // on with characters start with the width of what follows.
    auto records = Records(written.Bytes);
    bool wideContinue = false;
    bool narrowContinue = false;
    for (const TContinueRecord* link = records[0]->Continue.get(); link; link = link->Continue.get()) {
        EXPECT_LE(link->DataSize(), xlr::MaxRecordDataSize);
        wideContinue |= link->Data[0] == 1;
        narrowContinue |= link->Data[0] == 0;
    }
    EXPECT_TRUE(wideContinue);
    EXPECT_TRUE(narrowContinue);
    EXPECT_EQ(xlr::EXTSST, records.back()->Id);
}

TEST(SharedStrings, ExtSstBucketsFollowTheStringCount)
{
    const struct { int strings, perBucket, buckets; } cases[] = {{0, 8, 0}, {1000, 8, 125}, {2000, 16, 125}};
    for (const auto& c : cases) {
        TSST sst;
        for (int i = 0; i < c.strings; ++i)
            sst.AddString(u"s" + rtl::Utf8ToUtf16(std::to_string(i)), {});
        const TWrittenTable written = Write(sst);
        EXPECT_EQ(written.PredictedSize, static_cast<std::int64_t>(written.Bytes.size()));
        auto records = Records(written.Bytes);
        const TBaseRecord& ext = *records.back();
        ASSERT_EQ(xlr::EXTSST, ext.Id);
        EXPECT_EQ(2 + 8 * c.buckets, ext.DataSize()) << c.strings;
        EXPECT_EQ(c.perBucket, GetWord(ext.Data, 0)) << c.strings;
        if (c.buckets > 1) {
            // Each bucket points at its first string's header in the stream.
            const std::uint32_t pos = GetCardinal(ext.Data, 2 + 8);
            const std::uint16_t length = GetWord(written.Bytes, pos);
            EXPECT_EQ(sst.Text(sst.Items(c.perBucket)).size(), length);
        }
    }
}

TEST(SharedStrings, HostileTablesAreRefused)
{
    // A count of strings larger than the data, and a string cut short.
    const ByteArray cases[] = {{5, 0, 0, 0, 200, 0, 0, 0, 1, 0, 0, 'a'}, {1, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 'a'}};
    for (const ByteArray& data : cases) {
        TSSTRecord record(xlr::SST, data);
        TSST sst;
        EXPECT_THROW(sst.Load(record), EExcelException);
    }
}

TEST(LabelRecords, CopiesShareTheirEntryAndGiveItBack)
{
    TSST sst;
    sst.AddString(u"ab", {});
    sst.AddString(u"text", {});
    sst.Sort();
    ByteArray data(10);
    SetCardinal(data, 6, 1);
    auto label = std::make_unique<TLabelSSTRecord>(xlr::LABELSST, data);
    label->AttachToSST(&sst);
    const auto entry = static_cast<std::uint32_t>(label->pSSTEntry);
    EXPECT_EQ(u"text", label->AsString());
    EXPECT_EQ(2u, sst.References(entry));
    {
        auto copy = label->DoCopyTo();
        EXPECT_EQ(3u, sst.References(entry));
        EXPECT_EQ("text", static_cast<TLabelSSTRecord&>(*copy).GetValue().AsString());
    }
    EXPECT_EQ(2u, sst.References(entry));

    SetCardinal(data, 6, 2);
    TLabelSSTRecord outside(xlr::LABELSST, data);
    EXPECT_THROW(outside.AttachToSST(&sst), EExcelException);
    EXPECT_THROW(outside.SetAsString(u"x"), EExcelException);
}

TEST(LabelRecords, ReplacedTextLeavesTheTableWhenUnused)
{
    TSST sst;
    auto label = TLabelSSTRecord::CreateFromData(3, 4, 15, &sst);
    label->SetAsString(u"old");
    label->SetValue(Variant("older"));
    EXPECT_EQ(u"older", label->AsString());
    label->SetAsRichString({u"new", {{0, 6}}});
    EXPECT_EQ(u"new", label->AsRichString().Value);
    EXPECT_EQ(1u, label->AsRichString().RTFRuns.size());
    sst.FixRefs();
    ASSERT_EQ(1, sst.Count());
    const ByteArray written = xlstest::WrittenBytes([&](TOle2File& out) {
        sst.SaveToStream(out);
        label->SaveToStream(out);
    });
    EXPECT_EQ(0u, GetCardinal(written, written.size() - 4));
    EXPECT_EQ(u"new", ReadBack(written).Text(ReadBack(written).Items(0)));
}

TEST(LabelRecords, OlderTextRecordsReadTheirOwnText)
{
    ByteArray data{1, 0, 2, 0, 15, 0, 3, 0, 0, 'a', 'b', 'c'};
    EXPECT_EQ("abc", TLabelRecord(xlr::LABEL, data).GetValue().AsString());
    data.insert(data.end(), {2, 0, 0, 0, 5, 0, 2, 0, 6, 0});
    const TRichString rich = TRStringRecord(xlr::RSTRING, data).AsRichString();
    EXPECT_EQ(u"abc", rich.Value);
    ASSERT_EQ(2u, rich.RTFRuns.size());
    EXPECT_EQ(2, rich.RTFRuns[1].FirstChar);
    EXPECT_EQ(6, rich.RTFRuns[1].FontIndex);
    data.resize(data.size() - 2);
    EXPECT_THROW(TRStringRecord(xlr::RSTRING, data).AsRichString(), EExcelException);
}
