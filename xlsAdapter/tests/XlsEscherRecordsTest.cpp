// Tests of the drawing record tree: loading across carrier records, the
// client-data protocol, cutting into BIFF records on save, hostile trees,
// copying shapes, and a round trip of LibreOffice's drawings.
#include "xlsAdapter/qorUEscherBreakList.h"
#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace xlstest;
using namespace xlsAdapter;

namespace {

// Client data that keeps its BIFF record as read, so drawings with OBJ and
// TXO records can be loaded before those records have models of their own.
class TKeptClientData : public TBaseClientData {
public:
    explicit TKeptClientData(std::uint16_t aId = 0) : FId(aId) {}
    std::uint16_t Id() const override { return FId; }
    void ArrangeId(std::uint16_t& MaxId) override { FId = ++MaxId; }
    void Clear() override { FRecord.reset(); }
    std::unique_ptr<TBaseClientData> CopyTo() const override
    {
        auto copy = std::make_unique<TKeptClientData>(FId);
        copy->FRecord = TBaseRecord::CopyTo(FRecord.get());
        return copy;
    }
    void LoadFromStream(TOle2File&, TRecordHeader&, std::unique_ptr<TBaseRecord> First, TSST&) override
    {
        FRecord = std::move(First);
    }
    void SaveToStream(TOle2File& DataStream) override { FRecord->SaveToStream(DataStream); }
    std::int64_t TotalSize() const override { return FRecord->TotalSize(); }
    void ArrangeInsertRowsAndCols(int, int, int, int, const TSheetInfo&) override {}
    void ArrangeCopySheet(const TSheetInfo&) override {}

    void Keep(std::unique_ptr<TBaseRecord> Record) { FRecord = std::move(Record); }

private:
    std::uint16_t FId;
    std::unique_ptr<TBaseRecord> FRecord;
};

// A drawing with its caches, loaded carrier by carrier.
struct TLoadedDrawing {
    TEscherDwgGroupCache GroupCache;
    TEscherObjCache ObjCache;
    TEscherDwgCache Cache{.Obj = &ObjCache};
    std::unique_ptr<TEscherRecord> Root;

    // Feeds one carrier record; the first one starts the root.
    void Feed(const TBaseRecord& Carrier)
    {
        const TBaseRecord* record = &Carrier;
        int pos = 0;
        if (!Root) {
            ByteArray header(8);
            ReadMemAcrossContinue(record, pos, 8, header.data());
            Root = CreateEscherRecord({GetWord(header, 0), GetWord(header, 2),
                                       static_cast<std::int32_t>(GetCardinal(header, 4))},
                                      &GroupCache, &Cache, nullptr);
        }
        Root->Load(record, pos);
    }

    // The plan and the bytes of the drawing saved with carrier FirstId.
    ByteArray Save(std::uint16_t FirstId, int& RealSize) const
    {
        TempFolder dir;
        const std::string file = MakeContainer(dir, "template.xls", ByteArray(100));
        TFileStream input(file, fmOpenRead);
        TMemoryStream output;
        TOle2File container(input);
        container.PrepareForWrite(output, u"Workbook");
        TBreakList breaks(container.Position());
        int nextPos = 0;
        int nextDwg = FirstId;
        RealSize = 0;
        Root->SplitRecords(nextPos, RealSize, nextDwg, breaks);
        breaks.Add(0, nextPos);
        Root->SaveToStream(container, breaks);
        const auto written = static_cast<std::size_t>(container.Position());
        container.FinishWrite();
        const std::string out = dir / "out.xls";
        output.SaveToFile(out);
        // Short streams are padded; only the drawing's bytes count.
        ByteArray saved = ReadStream(out, u"Workbook");
        saved.resize(std::min(saved.size(), written));
        return saved;
    }
};

std::unique_ptr<TBaseRecord> Carrier(std::uint16_t Id, ByteArray Data)
{
    return std::make_unique<TBaseRecord>(Id, std::move(Data));
}

ByteArray Header(std::uint16_t Pre, std::uint16_t Id, std::int32_t Size)
{
    ByteArray bytes(8);
    SetWord(bytes, 0, Pre);
    SetWord(bytes, 2, Id);
    SetCardinal(bytes, 4, static_cast<std::uint32_t>(Size));
    return bytes;
}

ByteArray Body(int Size, std::uint8_t Seed)
{
    ByteArray bytes(static_cast<std::size_t>(Size));
    for (int i = 0; i < Size; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(Seed + i * 7);
    return bytes;
}

ByteArray Join(std::initializer_list<ByteArray> parts)
{
    ByteArray all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

ByteArray Slice(const ByteArray& Bytes, std::size_t From, std::size_t To)
{
    return ByteArray(Bytes.begin() + static_cast<std::ptrdiff_t>(From), Bytes.begin() + static_cast<std::ptrdiff_t>(To));
}

// Bytes of a record and its CONTINUE chain as the file holds them.
ByteArray RawBytes(const TBaseRecord& Record)
{
    ByteArray bytes = Rec(Record.Id, Record.Data);
    for (const TBaseRecord* link = Record.Continue.get(); link; link = link->Continue.get()) {
        const ByteArray more = Rec(link->Id, link->Data);
        bytes.insert(bytes.end(), more.begin(), more.end());
    }
    return bytes;
}

} // namespace

TEST(XlsEscherRecords, HeaderCutByCarriersLoadsAndSavesAcrossTheBreak)
{
    // The second child's header starts 3 bytes before the 8224-byte limit
    // of a carrier, so it straddles carriers in the file and when saved.
    const int firstBody = xlr::MaxRecordDataSize - 3 - 16;
    const ByteArray stream = Join({Header(0x000F, 0xF002, 8 + firstBody + 8 + 20), Header(0x0010, 0xF0AB, firstBody),
                                   Body(firstBody, 1), Header(0x0020, 0xF0AA, 20), Body(20, 9)});
    const std::size_t cut = xlr::MaxRecordDataSize;

    // As two separate carriers, the loader keeps the header's first bytes;
    // as a carrier with a CONTINUE it reads straight across.
    TLoadedDrawing separate;
    separate.Feed(*Carrier(escher::MsoDrawing, Slice(stream, 0, cut)));
    EXPECT_FALSE(separate.Root->Loaded());
    separate.Feed(*Carrier(escher::MsoDrawing, Slice(stream, cut, stream.size())));
    TLoadedDrawing continued;
    auto carrier = Carrier(escher::MsoDrawing, Slice(stream, 0, cut));
    carrier->AddContinue(std::make_unique<TContinueRecord>(xlr::CONTINUE, Slice(stream, cut, stream.size())));
    continued.Feed(*carrier);

    for (const TLoadedDrawing* drawing : {&separate, &continued}) {
        ASSERT_TRUE(drawing->Root->Loaded());
        const auto& children = static_cast<TEscherContainerRecord&>(*drawing->Root).ContainedRecords();
        ASSERT_EQ(2, children.Count());
        EXPECT_EQ(0xF0AA, children[1]->Id);
        EXPECT_EQ(Body(20, 9), static_cast<TEscherDataRecord*>(children[1])->Data);
        int realSize = 0;
        const ByteArray saved = drawing->Save(escher::MsoDrawing, realSize);
        EXPECT_EQ(RawBytes(*carrier), saved);
        EXPECT_EQ(static_cast<int>(saved.size()), realSize);
    }
}

TEST(XlsEscherRecords, LongDrawingIsCutIntoContinueRecords)
{
    TLoadedDrawing drawing;
    auto root = std::make_unique<TEscherContainerRecord>(TEscherRecordHeader{0x000F, 0xF002, 0}, &drawing.GroupCache,
                                                         &drawing.Cache, nullptr);
    root->ContainedRecords().Add(std::make_unique<TEscherDataRecord>(TEscherRecordHeader{0, 0xF0AA, 19984},
                                                                     &drawing.GroupCache, &drawing.Cache, root.get(),
                                                                     Body(19984, 3)));
    root->TotalDataSize = root->LoadedDataSize = 19992;
    drawing.Root = std::move(root);

    int realSize = 0;
    const ByteArray saved = drawing.Save(escher::MsoDrawing, realSize);
    EXPECT_EQ(20012, realSize);
    ASSERT_EQ(20012u, saved.size());
    const std::size_t second = 4 + 8224;
    const std::size_t third = second + 4 + 8224;
    EXPECT_EQ(escher::MsoDrawing, GetWord(saved, 0));
    EXPECT_EQ(8224, GetWord(saved, 2));
    EXPECT_EQ(xlr::CONTINUE, GetWord(saved, second));
    EXPECT_EQ(8224, GetWord(saved, second + 2));
    EXPECT_EQ(xlr::CONTINUE, GetWord(saved, third));
    EXPECT_EQ(3552, GetWord(saved, third + 2));
}

TEST(XlsEscherRecords, EmptyContainerAndUnfinishedRecords)
{
    TLoadedDrawing drawing;
    drawing.Root = CreateEscherRecord({0x000F, 0xF002, 0}, &drawing.GroupCache, &drawing.Cache, nullptr);
    EXPECT_TRUE(drawing.Root->Loaded());
    int realSize = 0;
    EXPECT_EQ(Rec(escher::MsoDrawing, Header(0x000F, 0xF002, 0)), drawing.Save(escher::MsoDrawing, realSize));

    TLoadedDrawing cut;
    cut.Feed(*Carrier(escher::MsoDrawing, Join({Header(0x000F, 0xF002, 30), Header(0, 0xF0AA, 22), Body(4, 0)})));
    EXPECT_EQ(msg::EscherNotLoaded, ErrorOf([&] { cut.Save(escher::MsoDrawing, realSize); }));
}

TEST(XlsEscherRecords, HostileTreesRaiseEngineErrors)
{
    ByteArray deep;
    for (int level = 0; level <= escher::MaxDepth + 1; ++level)
        deep = Join({deep, Header(0x000F, 0xF000, 8 * (escher::MaxDepth + 1 - level))});
    const struct {
        const char* Name;
        ByteArray Carrier;
        std::string Error;
    } cases[] = {
        {"child past its parent", Join({Header(0x000F, 0xF002, 16), Header(0, 0xF0AA, 9), Body(9, 0)}),
         std::string("xls: new record 0x00ec at offset 16: ") + msg::EscherChildTooLong},
        {"negative size", Join({Header(0x000F, 0xF002, 16), Header(0, 0xF0AA, -1)}),
         std::string("xls: new record 0x00ec at offset 16: ") + msg::EscherChildTooLong},
        {"nesting too deep", deep, msg::ErrLoadingEscher},
        {"second solver", Join({Header(0x000F, 0xF002, 16), Header(0x000F, 0xF005, 0), Header(0x000F, 0xF005, 0)}),
         msg::DuplicatedSolver},
    };
    for (const auto& c : cases) {
        TLoadedDrawing drawing;
        EXPECT_EQ(c.Error, ErrorOf([&] { drawing.Feed(*Carrier(escher::MsoDrawing, c.Carrier)); })) << c.Name;
    }

    // A data record asked to load from an exhausted carrier, and a read
    // position beyond the carrier.
    TEscherDataRecord data({0, 0xF0AA, 4}, nullptr, nullptr, nullptr);
    const auto empty = Carrier(escher::MsoDrawing, {});
    const TBaseRecord* record = empty.get();
    int pos = 0;
    EXPECT_EQ(std::string("xls: new record 0x00ec at offset 0: ") + msg::ErrLoadingEscher,
              ErrorOf([&] { data.Load(record, pos); }));
    TEscherContainerRecord container({0x000F, 0xF002, 8}, nullptr, nullptr, nullptr);
    pos = 1;
    EXPECT_EQ("xls: new record 0x00ec at offset 0: offset 1 is past the end (0 bytes)",
              ErrorOf([&] { container.Load(record, pos); }));
}

TEST(XlsEscherRecords, ShapeCopyTakesNextObjectIdAndJoinsThePatriarch)
{
    const ByteArray shape = Join({Header(0x000F, 0xF004, 16), Header(0, 0xF00A, 0), Header(0, 0xF011, 0)});
    TLoadedDrawing drawing;
    drawing.Feed(*Carrier(escher::MsoDrawing,
                          Join({Header(0x000F, 0xF002, 8 + 24), Header(0x000F, 0xF003, 24), shape})));
    TClientDataType type;
    ASSERT_TRUE(drawing.Root->WaitingClientData(type));
    EXPECT_EQ(xlr::OBJ, ClientDataRecordId(type));
    drawing.Root->AssignClientData(std::make_unique<TKeptClientData>(5));
    EXPECT_FALSE(drawing.Root->WaitingClientData(type));
    EXPECT_EQ(5, drawing.Cache.MaxObjId);

    TEscherSpgrContainerRecord* patriarch = drawing.Cache.Patriarch;
    ASSERT_NE(nullptr, patriarch);
    auto* client = static_cast<TEscherContainerRecord*>(patriarch->ContainedRecords()[0])->FindRec<TEscherClientDataRecord>();
    ASSERT_NE(nullptr, client);
    EXPECT_EQ(patriarch->ContainedRecords()[0], client->FindRoot());

    static_cast<TKeptClientData&>(*client->ClientData).Keep(Carrier(xlr::OBJ, Body(4, 0)));
    drawing.Root->ClearCopiedTo();
    auto* copy = static_cast<TEscherClientDataRecord*>(client->CopyDwg(0, 0, nullptr));
    ASSERT_EQ(2, patriarch->ContainedRecords().Count());
    EXPECT_EQ(copy->FindRoot(), patriarch->ContainedRecords()[1]);
    EXPECT_EQ(6, copy->ObjId());
    EXPECT_EQ(2, drawing.ObjCache.Count());

    // The copy is counted in the sizes of its containers on saving.
    EXPECT_EQ(8 + 8 + 2 * 24, drawing.Root->TotalSizeNoSplit());
}

TEST(XlsEscherRecords, LibreOfficeDrawingsSaveBackByteForByte)
{
    TFileStream input(VISTRA_TEST_DATA "/drawings-libreoffice.xls", fmOpenRead);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    TRecordHeader header;
    ReadRecordHeader(container, header);

    TLoadedDrawing group;
    TLoadedDrawing sheet;
    ByteArray groupBytes;
    ByteArray sheetBytes;
    int objRecords = 0;
    while (!header.EndOfStream) {
        std::unique_ptr<TBaseRecord> record = LoadRecord(container, header);
        if (record->Id == xlr::OBJ || record->Id == xlr::TXO) {
            TClientDataType type;
            ASSERT_TRUE(sheet.Root && sheet.Root->WaitingClientData(type));
            ASSERT_EQ(ClientDataRecordId(type), record->Id);
            sheetBytes = Join({sheetBytes, RawBytes(*record)});
            auto client = std::make_unique<TKeptClientData>(static_cast<std::uint16_t>(++objRecords));
            client->Keep(std::move(record));
            sheet.Root->AssignClientData(std::move(client));
        } else if (record->Id == escher::MsoDrawingGroup) {
            groupBytes = Join({groupBytes, RawBytes(*record)});
            group.Feed(*record);
        } else if (record->Id == escher::MsoDrawing) {
            sheetBytes = Join({sheetBytes, RawBytes(*record)});
            sheet.Feed(*record);
        }
    }
    ASSERT_TRUE(group.Root && group.Root->Loaded());
    ASSERT_TRUE(sheet.Root && sheet.Root->Loaded());
    EXPECT_NE(nullptr, sheet.Cache.Patriarch);
    EXPECT_EQ(4, sheet.ObjCache.Count()); // comment (with its text box), picture, rectangle

    int realSize = 0;
    EXPECT_EQ(groupBytes, group.Save(escher::MsoDrawingGroup, realSize));
    EXPECT_EQ(static_cast<int>(groupBytes.size()), realSize);
    EXPECT_EQ(sheetBytes, sheet.Save(escher::MsoDrawing, realSize));
    EXPECT_EQ(static_cast<int>(sheetBytes.size()), realSize);
}
