// Row heights and column widths fitted to the cells' shown text and fonts.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::unique_ptr<TXLSFile> NewWorkbook()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(1);
    return file;
}

int FormatWith(TXLSFile& file, int Size20, bool Wrap, const std::string& NumberFormat = {})
{
    TVyxFormat format = file.GetFormatList(15);
    format.Font.Size20 = static_cast<std::uint16_t>(Size20);
    format.WrapText = Wrap;
    if (!NumberFormat.empty())
        format.Format = NumberFormat;
    return file.AddFormat(format);
}

} // namespace

TEST(XlsAutofit, RowsFitTheirLargestFontAndWrappedLines)
{
    auto file = NewWorkbook();
    file->SetCellValue(1, 1, Variant(std::string("standard")));
    file->SetCellValueX(2, 1, TXlsCellValue{Variant(std::string("big")), FormatWith(*file, 400, false), false});
    file->SetCellValue(2, 2, Variant(std::string("small")));
    // Twenty characters wrapped in a column about ten wide: two lines.
    file->SetColumnWidth(3, 10 * 256 + 182);
    file->SetCellValueX(3, 3, TXlsCellValue{Variant(std::string("aaaaaaaaaa bbbbbbbbb")), FormatWith(*file, 200, true),
                                            false});
    file->SetCellValue(4, 1, Variant(1.0));
    file->SetRowHeight(4, 1000); // manual: kept unless forced

    file->AutofitRow(1, 4, false, false, 1);
    EXPECT_EQ((std::array{file->GetRowHeight(1), file->GetRowHeight(2), file->GetRowHeight(3), file->GetRowHeight(4)}),
              (std::array{255, 510, 510, 1000}));
    EXPECT_FALSE(file->GetAutoRowHeight(1)); // fitted rows become manual-height

    file->SetAutoRowHeight(1, true);
    file->AutofitRow(1, 1, false, true, 1.2); // keeps the row automatic
    EXPECT_EQ(file->GetRowHeight(1), 306);
    EXPECT_TRUE(file->GetAutoRowHeight(1));

    file->AutofitRow(4, 4, true, false, 1); // forced: the manual row too
    EXPECT_EQ(file->GetRowHeight(4), 255);
    file->AutofitRowsOnWorkbook(true, false, 1);
    EXPECT_EQ(file->GetRowHeight(2), 510);
}

TEST(XlsAutofit, ColumnsFitTheirWidestShownText)
{
    auto file = NewWorkbook();
    file->SetCellValue(1, 1, Variant(std::string("Hello world")));
    file->SetCellValue(2, 1, Variant(std::string("short")));
    // Numbers are measured as their format shows them.
    file->SetCellValueX(1, 2, TXlsCellValue{Variant(1234.5), FormatWith(*file, 200, false, "#,##0.00"), false});
    file->SetCellValueX(2, 2, TXlsCellValue{Variant(std::string("a longer label")), -1, false});
    // A multi-line text is as wide as its longest line.
    file->SetCellValue(1, 3, Variant(std::string("one\nthree")));
    file->SetColumnWidth(4, 3000); // nothing to measure: kept

    file->AutofitCol(1, 4, false, 1);
    EXPECT_EQ(file->GetColumnWidth(1), 11 * 256 + 182);
    EXPECT_EQ(file->GetColumnWidth(2), 14 * 256 + 182);
    EXPECT_EQ(file->GetColumnWidth(3), 5 * 256 + 182);
    EXPECT_EQ(file->GetColumnWidth(4), 3000);

    file->AutofitCol(2, 2, true, 2); // strings ignored, then doubled
    EXPECT_EQ(file->GetColumnWidth(2), 2 * (8 * 256 + 182));
}
