// Defined names through the file object (adding them, their areas and
// sheets, binding the block operations to a name's columns) and pasting a
// copied block.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace xlstest;

namespace {

std::unique_ptr<TXLSFile> NewWorkbook(int sheets)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(sheets);
    return file;
}

std::array<int, 5> Area(TXLSFile& file, int index)
{
    return {file.GetRangeR1(index), file.GetRangeC1(index), file.GetRangeR2(index), file.GetRangeC2(index),
            file.GetRangeSheet(index)};
}

} // namespace

TEST(XlsFileNames, NamesAreAddedReadAndChangedOneBased)
{
    auto file = NewWorkbook(2);
    file->SetActiveSheet(2);
    TXlsNamedRange prices{"Prices", "=Sheet2!$C$2:$E$9", 0, 0}; // for the whole workbook
    file->AddRange(prices);
    EXPECT_EQ(prices.NameSheetIndex, 0); // the caller's record is left as given
    TXlsNamedRange local{"Local", "=$B$3", 0, 2};
    file->AddRange(local);
    ASSERT_EQ(file->RangeCount(), 2);
    EXPECT_EQ(file->GetRangeName(1), "Prices");
    EXPECT_EQ(Area(*file, 1), (std::array{2, 3, 9, 5, 2}));
    EXPECT_EQ(Area(*file, 2), (std::array{3, 2, 3, 2, 2}));

    file->SetRangeR2(1, 20);
    file->SetRangeC1(1, 1);
    TempFolder dir;
    file->Save(false, dir / "names.xls", nullptr, nullptr, nullptr);
    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "names.xls");
    EXPECT_EQ(Area(again, 1), (std::array{2, 1, 20, 5, 2}));

    for (int index : {0, 3})
        EXPECT_EQ(ErrorOf([&] { again.GetRangeName(index); }),
                  "The index \"" + std::to_string(index) + "\" of the property \"RangeIndex\" is not in the range 1-2");
}

TEST(XlsFileNames, BoundsAddressTheColumnsOfAName)
{
    auto file = NewWorkbook(1);
    file->SetCellValue(1, 3, Variant(std::string("C1")));
    file->SetCellValue(1, 4, Variant(std::string("D1")));
    TXlsNamedRange block{"Block", "=Sheet1!$C$1:$E$4", 0, 0};
    file->AddRange(block);
    TXlsNamedRange text{"Text", "=\"not an area\"", 0, 0};
    file->AddRange(text);

    file->SetBounds(1);
    EXPECT_EQ(file->GetFirstColumn(), 3);
    EXPECT_EQ(file->CellCount(1), 3);
    EXPECT_EQ(file->GetCellData(1, 1).AsString(), "D1");
    EXPECT_EQ(file->GetCellValue(1, 3).AsString(), "C1"); // plain cells ignore the bounds
    EXPECT_EQ(ErrorOf([&] { file->SetBounds(2); }), "The defined name \"Text\" is not a range of cells");
    EXPECT_EQ(file->GetFirstColumn(), 3);
}

TEST(XlsFilePaste, ACopiedBlockReplacesTheTargetBlockWithItsFormats)
{
    // The copy: A2:B3 (as its DIMENSIONS record gives it) with a formatted
    // number, a text, an empty cell and a Boolean.
    auto copied = NewWorkbook(1);
    TVyxFormat percent = copied->GetFormatList(15);
    percent.Font.Style.Include(flsBold);
    percent.Format = "0.0%";
    copied->SetCellValueX(2, 1, TXlsCellValue{Variant(0.125), copied->AddFormat(percent), false});
    copied->SetCellValue(2, 2, Variant(std::string("text")));
    copied->SetCellValue(3, 2, Variant(true));
    TMemoryStream clipboard;
    copied->Save(false, {}, nullptr, nullptr, &clipboard);
    clipboard.SetPosition(0);

    auto file = NewWorkbook(1);
    for (int row = 5; row <= 6; ++row)
        for (int col = 3; col <= 4; ++col)
            file->SetCellValue(row, col, Variant(std::string("old")));
    file->PasteFromXlsClipboardFormat(5, 3, clipboard);
    EXPECT_EQ(file->GetCellValue(5, 3).AsDouble(), 0.125);
    EXPECT_EQ(file->GetCellValue(5, 4).AsString(), "text");
    EXPECT_TRUE(file->GetCellValue(6, 3).IsEmpty());
    EXPECT_TRUE(file->GetCellValue(6, 4).AsBoolean());
    const TVyxFormat pasted = file->GetFormatList(file->GetCellFormat(5, 3));
    EXPECT_EQ(pasted.Format, "0.0%");
    EXPECT_TRUE(pasted.Font.Style.Contains(flsBold));
    EXPECT_EQ(file->MaxRow(), 6);
}
