// The workbook bridge: its option rules, and grids that travel to .xls and
// back, checked by independent readers (xlrd, LibreOffice).
#include <gtest/gtest.h>

#include "grid/QuillGrid.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/PngImage.h"
#include "platform/rtl/Exceptions.h"
#include "spreadsheet/QuillGridExcelIO.h"
#include "spreadsheet/QuillGridWorkbook.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"
#include "xlsAdapter/qorXLSAdapter.h"

using testsupport::RunCommand;
using testsupport::TempFolder;

namespace {

std::string Peer(const std::string& Args)
{
    std::string out;
    EXPECT_EQ(0, RunCommand("/usr/bin/python3 " VISTRA_TEST_DATA "/bridge/xlrd-cells.py " + Args, &out)) << out;
    return out;
}

// The first sheet as LibreOffice shows it, as CSV.
std::string LibreOfficeCsv(const TempFolder& Dir, const std::string& Xls)
{
    std::string out;
    EXPECT_EQ(0, RunCommand(testsupport::LibreOffice(Dir.Path()) + " --convert-to csv --outdir " + Dir.Path() +
                                "lo " + Xls,
                            &out))
        << out;
    std::string name = Xls.substr(Xls.rfind('/') + 1);
    return testsupport::ReadFile(Dir.Path() + "lo/" + name.substr(0, name.rfind('.')) + ".csv");
}

std::string GridText(TQuillStringGrid& Grid)
{
    std::string all;
    for (int r = 0; r < Grid.RowCount(); ++r) {
        for (int c = 0; c < Grid.ColCount(); ++c) all += Grid.Cells(c, r) + (c + 1 < Grid.ColCount() ? "," : "");
        all += "\n";
    }
    return all;
}

class GridExcelIOTest : public testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TQuillStringGrid>(nullptr);
        IO = std::make_unique<TQuillGridExcelIO>(nullptr);
        IO->SetQuillStringGrid(Grid.get());
        IO->SetGridStartRow(0);
        IO->SetGridStartCol(0);
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
    }

    // Texts, a number, a date, a formula, a merged block, colours, a border and a picture.
    void FillSample()
    {
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetCells(0, 0, "City");
        Grid->SetCells(1, 0, "Count");
        Grid->SetCells(0, 1, "Ghent");
        Grid->SetCells(1, 1, "12.5");
        Grid->SetCells(0, 2, "Leuven");
        Grid->SetCells(1, 2, "30");
        Grid->SetCells(1, 3, "=SUM(B2:B3)");
        Grid->SetCells(2, 0, "merged title");
        Grid->MergeCells(2, 0, 2, 1);
        Grid->SetFontColors(0, 1, clRed);
        Grid->SetFontStyles(0, 0, TFontStyles{fsBold});
        Grid->SetColors(0, 2, clYellow);
        Grid->SetColWidths(0, 64);
        Grid->SetRowHeights(0, 19);
        Grid->OnGetCellBorder = [](TObject*, int ARow, int ACol, TPen* Pen, TCellBorders& Borders) {
            if (ARow == 1 && ACol == 1) {
                Borders.Include(cbBottom);
                Pen->SetColor(clBlue);
            }
        };
        TBitmap pixels;
        pixels.SetWidth(8);
        pixels.SetHeight(6);
        pixels.Canvas()->Brush()->SetColor(clGreen);
        pixels.Canvas()->FillRect(TRect{0, 0, 8, 6});
        TPngImage png;
        png.Assign(&pixels);
        Grid->CreatePicture(3, 2, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&png);
    }

    std::unique_ptr<TQuillStringGrid> Grid;
    std::unique_ptr<TQuillGridExcelIO> IO;
};

} // namespace

TEST_F(GridExcelIOTest, PropertiesAndOptionsKeepTheirRules)
{
    TQuillGridExcelIO fresh(nullptr);
    EXPECT_EQ(fresh.GridStartRow(), 1);
    EXPECT_EQ(fresh.Zoom(), 100);
    EXPECT_TRUE(fresh.ZoomSaved());
    EXPECT_TRUE(fresh.AutoResizeGrid());
    EXPECT_FALSE(fresh.Options().ImportCellProperties());
    EXPECT_FALSE(fresh.Options().ExportRawRTF());
    EXPECT_EQ(fresh.Options().ExportOverwrite(), omNever);
    EXPECT_EQ(fresh.Options().ExportOverwriteMessage(), "File %s already exists\rOk to overwrite ?");

    struct Case {
        void (TQuillGridExcelIO::*Set)(int);
        int (TQuillGridExcelIO::*Get)() const;
        int In, Out;
    } cases[] = {
        {&TQuillGridExcelIO::SetGridStartRow, &TQuillGridExcelIO::GridStartRow, -5, 1},
        {&TQuillGridExcelIO::SetGridStartRow, &TQuillGridExcelIO::GridStartRow, 0, 0},
        {&TQuillGridExcelIO::SetGridStartCol, &TQuillGridExcelIO::GridStartCol, -1, 1},
        {&TQuillGridExcelIO::SetXlsStartRow, &TQuillGridExcelIO::XlsStartRow, 0, 1},
        {&TQuillGridExcelIO::SetXlsStartCol, &TQuillGridExcelIO::XlsStartCol, 3, 3},
        {&TQuillGridExcelIO::SetZoom, &TQuillGridExcelIO::Zoom, 5, 10},
        {&TQuillGridExcelIO::SetZoom, &TQuillGridExcelIO::Zoom, 1000, 400},
    };
    for (const Case& c : cases) {
        (fresh.*c.Set)(c.In);
        EXPECT_EQ((fresh.*c.Get)(), c.Out) << c.In;
    }
    fresh.SetVersion("9");
    EXPECT_EQ(fresh.Version(), "3.4.1");

    // Assign copies the import switches only.
    TSARNIOOptions other;
    other.SetImportCellProperties(true);
    other.SetImportFormulas(false);
    other.SetExportFormulas(false);
    other.SetImportLockedCellsAsReadonly(true);
    fresh.Options().Assign(&other);
    EXPECT_TRUE(fresh.Options().ImportCellProperties());
    EXPECT_TRUE(fresh.Options().ImportFormulas());
    EXPECT_TRUE(fresh.Options().ExportFormulas());
    EXPECT_FALSE(fresh.Options().ImportLockedCellsAsReadonly());

    // A grid or a workbook, never both; a freed grid is let go.
    TQuillGridWorkbook book(nullptr);
    {
        TQuillStringGrid grid(nullptr);
        fresh.SetQuillGridWorkbook(&book);
        fresh.SetQuillStringGrid(&grid);
        EXPECT_EQ(fresh.QuillGridWorkbook(), nullptr);
        EXPECT_EQ(fresh.CurrentGrid(), &grid);
    }
    EXPECT_EQ(fresh.QuillStringGrid(), nullptr);
    EXPECT_THROW(
        {
            try {
                fresh.XLSImport("/nonexistent.xls");
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "There is no QuillStringGrid assigned to this component");
                throw;
            }
        },
        Exception);
    fresh.SetQuillGridWorkbook(&book);
    EXPECT_EQ(fresh.CurrentGrid(), book.Grid());
}

TEST_F(GridExcelIOTest, ExportedGridReadsTheSameInXlrdAndLibreOffice)
{
    REQUIRE_PEER("python3-xlrd");
    REQUIRE_PEER("libreoffice");
    FillSample();
    TempFolder dir;
    const std::string file = dir / "sample.xls";
    IO->XLSExport(file);

    const std::string seen = Peer(file);
    EXPECT_NE(seen.find("0,0 text City | "), std::string::npos) << seen;
    EXPECT_NE(seen.find("1,0 text Ghent | Tahoma FF0000"), std::string::npos) << seen;
    EXPECT_NE(seen.find("1,1 number 12.5"), std::string::npos) << seen;
    EXPECT_NE(seen.find("2,0 text Leuven | Tahoma 000000 | fill FFFF00"), std::string::npos) << seen;
    // The bottom border of B2 shows as the top border of B3 too.
    EXPECT_NE(seen.find("1,1 number 12.5 | Tahoma 000000 | fill - | borders 0010"), std::string::npos) << seen;
    EXPECT_NE(seen.find("2,1 number 30.0 | Tahoma 000000 | fill - | borders 1000"), std::string::npos) << seen;
    EXPECT_NE(seen.find("merged 0:0 2:3"), std::string::npos) << seen;
    EXPECT_NE(seen.find("row0 height 255 col0 width 2267"), std::string::npos) << seen;

    const std::string csv = LibreOfficeCsv(dir, file);
    EXPECT_EQ(csv, "City,Count,merged title\nGhent,12.5,\nLeuven,30,\n,42.5,\n");

    // The picture went in as PNG data: reading our file back gives one picture of its size.
    TXLSFile back(nullptr);
    back.Connect();
    back.OpenFile(file);
    ASSERT_EQ(back.GetPicturesCount(-1), 1);
    TMemoryStream data;
    TXlsImgTypes type = xli_Unknown;
    TClientAnchor anchor;
    back.GetPicture(-1, 0, &data, type, anchor);
    EXPECT_EQ(type, xli_Png);
    EXPECT_EQ(anchor.Col1, 4);
    EXPECT_EQ(anchor.Row1, 3);
}

TEST_F(GridExcelIOTest, WorkbookMadeByLibreOfficeImportsWithTheSameCells)
{
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    testsupport::WriteFile(dir / "made.csv", "Name,Street,Number\nAnn,Main St,12\nBob,\"Long, Road\",7.5\n");
    std::string out;
    ASSERT_EQ(0, RunCommand(testsupport::LibreOffice(dir.Path()) +
                                " --convert-to xls:\"MS Excel 97\" --infilter=CSV:44,34,76,1 --outdir " + dir.Path() +
                                " " + (dir / "made.csv"),
                            &out))
        << out;
    Grid->SetRowCount(100);
    IO->XLSImport(dir / "made.xls");
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(GridText(*Grid), "Name,Street,Number\nAnn,Main St,12\nBob,Long, Road,7.5\n");
    ASSERT_EQ(IO->SheetNamesCount(), 1);
    EXPECT_EQ(IO->GetSheetNames(0), "made");
}

TEST_F(GridExcelIOTest, RoundTripKeepsTextsSizesMergesPicturesAndLooks)
{
    FillSample();
    TempFolder dir;
    const std::string file = dir / "round.xls";
    IO->XLSExport(file);

    TQuillStringGrid back(nullptr);
    back.SetFixedRows(0);
    back.SetFixedCols(0);
    IO->SetQuillStringGrid(&back);
    IO->Options().SetImportCellProperties(true);
    IO->XLSImport(file);
    EXPECT_EQ(back.Cells(0, 0), "City");
    EXPECT_EQ(back.Cells(1, 1), "12.5");
    EXPECT_EQ(back.Cells(1, 3), "=SUM(B2:B3)");
    EXPECT_EQ(back.RowHeights(0), 19);
    EXPECT_EQ(back.ColWidths(0), 64);
    EXPECT_EQ(back.FontColors(0, 1), clRed);
    EXPECT_EQ(back.Colors(0, 2), clYellow);
    EXPECT_TRUE(back.FontStyles(0, 0).Contains(fsBold));
    EXPECT_TRUE(back.IsMergedCell(2, 0));
    ASSERT_NE(back.GetPicture(3, 2), nullptr);
    EXPECT_EQ(back.GetPicture(3, 2)->Width(), 8);
    EXPECT_EQ(back.GetPicture(3, 2)->Height(), 6);
}

TEST_F(GridExcelIOTest, SheetChoiceErrorsNameTheSheetOrTheRange)
{
    FillSample();
    TempFolder dir;
    const std::string file = dir / "one.xls";
    IO->XLSExport(file, "Data");
    const auto message = [&](auto call) {
        try {
            call();
        } catch (const Exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { IO->XLSImport(file, 5); }),
              "The index \"5\" of the property \"ActiveSheet\" is not in the range 1-1");
    EXPECT_EQ(message([&] { IO->XLSImport(file, std::string("Nope")); }), "Invalid sheet name: \"Nope\"");
    EXPECT_EQ(message([&] { IO->XLSImport(file, std::string()); }), "Invalid sheet name: \"\"");
    EXPECT_EQ(message([&] { IO->XLSImport(file, std::string("data")); }), "no error");
    IO->LoadSheetNames(file);
    EXPECT_EQ(IO->GetSheetNames(0), "Data");
}

TEST_F(GridExcelIOTest, OverwriteModesNeverLoseTheOldFile)
{
    FillSample();
    TempFolder dir;
    const std::string file = dir / "kept.xls";
    IO->XLSExport(file, "First");
    Grid->SetCells(0, 0, "Second run");
    // A declined question leaves the file alone.
    IO->Options().SetExportOverwrite(omWarn);
    std::string asked;
    IO->ConfirmOverwrite = [&](const std::string& Q) {
        asked = Q;
        return false;
    };
    IO->XLSExport(file, "Other");
    EXPECT_EQ(asked, "File " + file + " already exists\rOk to overwrite ?");
    IO->LoadSheetNames(file);
    EXPECT_EQ(IO->SheetNamesCount(), 1);
    // Under omNever a new sheet name adds a sheet to the existing file.
    IO->Options().SetExportOverwrite(omNever);
    IO->XLSExport(file, "Other");
    IO->LoadSheetNames(file);
    ASSERT_EQ(IO->SheetNamesCount(), 2);
    EXPECT_EQ(IO->GetSheetNames(1), "Other");
    // A formula the workbook's language cannot read goes in as the shown text.
    Grid->SetCells(0, 3, "=== total ===");
    IO->XLSExport(file, "Other", -1, 1, InsertInSheet_Clear);
    TQuillStringGrid back(nullptr);
    IO->SetQuillStringGrid(&back);
    IO->XLSImport(file, std::string("Other"));
    EXPECT_EQ(back.Cells(0, 3), "=== total ===");
    EXPECT_EQ(back.Cells(0, 0), "Second run");
}

TEST_F(GridExcelIOTest, ColoursMapOntoThePalette)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.NewFile(1);
    std::vector<bool> used;
    IO->ReadUsedColors(file, used);
    EXPECT_TRUE(used.empty());
    EXPECT_EQ(file.GetColorPalette(IO->PaletteIndexOfColor(file, clRed, used)) & 0xFFFFFF, 0x0000FFu);
    const int nearest = IO->PaletteIndexOfColor(file, 0x123456, used);
    EXPECT_NE(file.GetColorPalette(nearest) & 0xFFFFFF, 0x123456u);

    IO->Options().SetUseExcelStandardColorPalette(false);
    IO->ReadUsedColors(file, used);
    ASSERT_FALSE(used.empty());
    const int exact = IO->PaletteIndexOfColor(file, 0x123456, used);
    EXPECT_EQ(file.GetColorPalette(exact) & 0xFFFFFF, 0x123456u);
    const int another = IO->PaletteIndexOfColor(file, 0x654321, used);
    EXPECT_NE(another, exact);
    EXPECT_EQ(file.GetColorPalette(another) & 0xFFFFFF, 0x654321u);
    EXPECT_GT(exact, 2);
}
