// The drawing model: shape and drawing ids, the picture store, comment
// text boxes and object ids, and hostile drawings.
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsClientData.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include "platform/classes/Streams.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

namespace {

std::unique_ptr<TXLSFile> NewWorkbook(int sheets)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(sheets);
    return file;
}

TEscherDwgGroupCache& Group(TXLSFile& file)
{
    return file.GetTWorkbook()->Globals().DrawingGroup().RecordCache();
}

TWorkSheet& Sheet(TXLSFile& file, int index)
{
    return *file.GetTWorkbook()->Sheets().GetItems(index)->AsWorkSheet();
}

std::vector<std::uint32_t> ShapeIds(TWorkSheet& sheet)
{
    std::vector<std::uint32_t> ids;
    TEscherShapeCache& shapes = *sheet.Drawing().RecordCache().Shape;
    shapes.Sort();
    for (int i = 0; i < shapes.Count(); ++i)
        ids.push_back(static_cast<TEscherSPRecord*>(shapes[i])->ShapeId());
    return ids;
}

const ByteArray Png = ReadFileBytes(VISTRA_TEST_DATA "/picture-red.png");

} // namespace

TEST(XlsDrawingModel, DrawingAndShapeIdsComeFromTheGroupsClusters)
{
    auto file = NewWorkbook(2);
    file->SetCellComment(2, 2, "first", {3, 0, 2, 0, 5, 0, 6, 0, ""});
    TEscherDggRecord& dgg = *Group(*file).Dgg;
    EXPECT_EQ(dgg.MaxShapeId(), 1026u);
    EXPECT_EQ(dgg.ClusterCount(), 1);
    EXPECT_EQ(dgg.ShapesSaved(), 2u);
    EXPECT_EQ(dgg.DwgSaved(), 1u);
    EXPECT_EQ(GetCardinal(dgg.Data, 16), 1u); // the cluster belongs to drawing 1
    EXPECT_EQ(GetCardinal(dgg.Data, 20), 2u);
    EXPECT_EQ(ShapeIds(Sheet(*file, 0)), (std::vector<std::uint32_t>{1024, 1025}));
    EXPECT_EQ(Sheet(*file, 0).Drawing().RecordCache().Dg->Instance(), 1);

    file->SetActiveSheet(2);
    file->AddImage(Png, xli_Png, {1, 0, 1, 0, 2, 0, 2, 0, ""}, at_MoveAndResize);
    EXPECT_EQ(Sheet(*file, 1).Drawing().RecordCache().Dg->Instance(), 2);
    EXPECT_EQ(ShapeIds(Sheet(*file, 1)), (std::vector<std::uint32_t>{2048, 2049}));

    // A deleted sheet frees its cluster, which the next drawing takes.
    file->SetActiveSheet(1);
    file->DeleteSheet(1);
    EXPECT_EQ(dgg.DwgSaved(), 1u);
    EXPECT_EQ(GetCardinal(dgg.Data, 16), 0u);
    file->InsertAndCopySheets(1, 1, 1);
    EXPECT_EQ(ShapeIds(Sheet(*file, 0)), (std::vector<std::uint32_t>{1024, 1025}));
    EXPECT_EQ(dgg.DwgSaved(), 2u);
}

TEST(XlsDrawingModel, EqualPicturesShareOneStoreEntry)
{
    auto file = NewWorkbook(2);
    for (int sheet : {1, 2}) {
        file->SetActiveSheet(sheet);
        file->AddImage(Png, xli_Png, {1, 0, 1, 0, 2, 0, 2, 0, ""}, at_MoveAndResize);
    }
    TEscherBStoreRecord& store = *Group(*file).BStore;
    ASSERT_EQ(store.ContainedRecords().Count(), 1);
    EXPECT_EQ(store.Entry(1)->References(), 2u);
    file->DeleteImage(0);
    EXPECT_EQ(store.Entry(1)->References(), 1u);
    file->SetActiveSheet(1);
    file->DeleteImage(0);
    EXPECT_EQ(store.ContainedRecords().Count(), 0);

    // A placeable metafile is stored deflated without its 22-byte header,
    // its size field counting them; a bitmap comes back with a file header.
    ByteArray wmf(64, 7);
    wmf[0] = 0xD7, wmf[1] = 0xCD, wmf[2] = 0xC6, wmf[3] = 0x9A;
    auto entry = GraphicToBSE(wmf, xli_Wmf, &Group(*file), nullptr);
    EXPECT_EQ(GetCardinal(entry->Data, 44 + 16), 64u);
    EXPECT_EQ(entry->Data[0], 3);
    ByteArray dib(40 + 8, 1);
    file->AddImage(dib, xli_Bmp, {1, 0, 1, 0, 2, 0, 2, 0, ""}, at_MoveAndResize);
    TMemoryStream back;
    TXlsImgTypes type = xli_Unknown;
    TClientAnchor anchor;
    file->GetPicture(0, 0, &back, type, anchor);
    EXPECT_EQ(type, xli_Bmp);
    ASSERT_EQ(back.Size(), 14 + 48);
    const auto* bytes = static_cast<const std::uint8_t*>(back.Memory());
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[13], 0);
    EXPECT_EQ(bytes[14], 1);
}

TEST(XlsDrawingModel, CommentTextBoxesAndObjectIds)
{
    auto file = NewWorkbook(1);
    for (int i = 0; i < 3; ++i)
        file->AddImage(Png, xli_Png, {1, 0, 1 + i, 0, 2, 0, 2 + i, 0, ""}, at_MoveAndResize);
    file->SetCellComment(1, 1, "abc", {2, 0, 1, 0, 4, 0, 5, 0, ""});
    file->SetCellComment(2, 1, std::string("\xE2\x82\xAC") + std::string(9000, 'x'), {2, 0, 2, 0, 4, 0, 6, 0, ""});
    TWorkSheet& sheet = Sheet(*file, 0);
    EXPECT_EQ(sheet.Notes().Row(0)->Items(0)->ObjId(), 4);
    auto* box = dynamic_cast<TEscherContainerRecord*>(sheet.Notes().Row(0)->Items(0)->Dwg->FindRoot())
                    ->FindRec<TEscherClientTextBoxRecord>();
    const auto& txo = *static_cast<TTXO&>(*box->ClientData).FTXO;
    EXPECT_EQ(GetWord(txo.Data, 10), 3);
    EXPECT_EQ(GetWord(txo.Data, 12), 16);
    EXPECT_EQ(txo.Continue->Data, (ByteArray{0, 'a', 'b', 'c'}));
    EXPECT_EQ(txo.Continue->Continue->Data, (ByteArray{0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));

    // A long wide text goes on in further records; copying its row gives
    // the copy a shape and object id of its own.
    file->InsertAndCopyRows(2, 2, 4, 1, false);
    TempFolder dir;
    file->Save(false, dir / "notes.xls", nullptr, nullptr, nullptr);
    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "notes.xls");
    const std::string long_ = std::string("\xE2\x82\xAC") + std::string(9000, 'x');
    EXPECT_EQ(again.GetCellComment(2, 1), long_);
    EXPECT_EQ(again.GetCellComment(4, 1), long_);
    EXPECT_EQ(again.GetCellComment(1, 1), "abc");
    TWorkSheet& reread = Sheet(again, 0);
    EXPECT_NE(reread.Notes().Row(1)->Items(0)->ObjId(), reread.Notes().Row(3)->Items(0)->ObjId());
    EXPECT_EQ(reread.Drawing().DrawingCount(), 3);
}

TEST(XlsDrawingModel, HostileDrawingsGiveClearErrorsOrLoad)
{
    // A picture store entry that claims 2 GB: the group never completes.
    const ByteArray stream = ReadFileBytes(VISTRA_TEST_DATA "/drawings-libreoffice.workbook");
    ByteArray huge = stream;
    bool patched = false;
    for (std::size_t i = 0; i + 8 < huge.size() && !patched; ++i)
        if (GetWord(huge, static_cast<std::int64_t>(i) + 2) == 0xF007 && (huge[i] & 0x0F) == 2) {
            SetCardinal(huge, static_cast<std::int64_t>(i) + 4, 0x7FFFFFF0);
            patched = true;
        }
    ASSERT_TRUE(patched);
    TempFolder dir;
    const std::string file = MakeContainer(dir, "huge.xls", huge);
    TXLSFile hugeFile(nullptr);
    hugeFile.Connect();
    EXPECT_NE(ErrorOf([&] { hugeFile.OpenFile(file); }), "no exception");

    // Every shape with the same id:
    // loading, moving rows, copying the sheet and saving all end.
    ByteArray looping = stream;
    int shapes = 0;
    for (std::size_t i = 0; i + 12 < looping.size(); ++i)
        if (GetWord(looping, static_cast<std::int64_t>(i) + 2) == 0xF00A && GetCardinal(looping, i + 4) == 8) {
            SetCardinal(looping, static_cast<std::int64_t>(i) + 8, 1025);
            ++shapes;
        }
    ASSERT_GE(shapes, 2);
    const std::string loopFile = MakeContainer(dir, "loop.xls", looping);
    TXLSFile loop(nullptr);
    loop.Connect();
    loop.OpenFile(loopFile);
    loop.InsertAndCopyRows(1, 2, 3, 2, false);
    loop.InsertAndCopySheets(1, 2, 1);
    loop.Save(false, dir / "loop-saved.xls", nullptr, nullptr, nullptr);
    TXLSFile reread(nullptr);
    reread.Connect();
    reread.OpenFile(dir / "loop-saved.xls");
    EXPECT_EQ(reread.SheetCount(), 2);
}
