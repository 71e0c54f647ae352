// The grid's binary cell stream: texts, sizes and cell properties back as they
// were, the value forms of the format, pasting at a cell, hostile streams.
#include "grid/files/BinRecords.h"
#include "grid/model/CellGraphic.h"
#include "grid/files/tests/AwkwardCells.h"
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/AuxLists.h"
#include "grid/base/FilePicture.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/PngImage.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "testsupport/TempFolder.h"

#include <memory>

using namespace gridfiles_test;

namespace {

class GridBinStreamTest : public QuillGridTest {
protected:
    std::unique_ptr<TQuillStringGrid> NewGrid(int Cols, int Rows)
    {
        auto grid = std::make_unique<TQuillStringGrid>(Form);
        grid->SetParent(Form);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        grid->SetColCount(Cols);
        grid->SetRowCount(Rows);
        return grid;
    }

    static std::string SaveRect(TQuillStringGrid& Grid, TRect Rect)
    {
        TStringStream stream;
        Grid.SaveRectToBinStream(Rect, stream);
        return stream.DataString();
    }

    static void LoadAt(TQuillStringGrid& Grid, TPoint Point, std::string_view Bytes)
    {
        TStringStream stream(Bytes);
        Grid.LoadAtPointFromBinStream(Point, stream);
    }

    // A grid of Cols x Rows whose cells hold "col,row".
    std::unique_ptr<TQuillStringGrid> NumberedGrid(int Cols, int Rows)
    {
        auto grid = NewGrid(Cols, Rows);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
        return grid;
    }
};

// A header record as a writer would make it, for streams built by hand.
std::string Header(int Cols, int Rows, std::string_view Widths, bool FullGrid)
{
    std::string bytes;
    grid::files::TBinRecordWriter writer(bytes);
    writer.Begin("TGridPropIO");
    writer.Int("ColCount", Cols);
    writer.Int("RowCount", Rows);
    writer.Text("ColWidths", Widths);
    writer.Bool("FullGrid", FullGrid);
    writer.End();
    return bytes;
}

std::string Replaced(std::string Bytes, std::string_view From, std::string_view To)
{
    const std::size_t at = Bytes.find(From);
    EXPECT_NE(at, std::string::npos) << From;
    return at == std::string::npos ? Bytes : Bytes.replace(at, From.size(), To);
}

} // namespace

TEST_F(GridBinStreamTest, AwkwardTextsAndSizesSurviveAFile)
{
    auto source = NewGrid(1, 1);
    FillAwkward(*source);
    source->SetColWidths(1, 120);
    source->SetRowHeights(2, 40);
    testsupport::TempFolder dir("gridbin");
    source->SaveToBinFile(dir / "cells.grid");

    auto target = NewGrid(2, 2);
    target->SetCells(1, 1, "overwritten");
    target->LoadFromBinFile(dir / "cells.grid");
    ExpectAwkward(*target, "binary file");
    EXPECT_EQ(target->ColCount(), source->ColCount());
    EXPECT_EQ(target->RowCount(), source->RowCount());
    EXPECT_EQ(target->ColWidths(1), 120);
    EXPECT_EQ(target->RowHeights(2), 40);
}

TEST_F(GridBinStreamTest, OneEmptyCellIsAHeaderAndABareCellRecord)
{
    auto grid = NewGrid(1, 1);
    grid->SetColWidths(0, 64);
    grid->SetRowHeights(0, 22);
    using namespace std::string_literals;
    const std::string expected =
        "TPF0\x0BTGridPropIO\0"
        "\x08" "ColCount\x02\x01\x08RowCount\x02\x01\x09" "ColWidths\x06\x02" "64\x0ARowHeights\x06\x02" "22"
        "\x08" "FullGrid\x09\x02ID\x02\x00\0\0"
        "TPF0\x0BTGridCellIO\0\x03" "Col\x02\x00\x03Row\x02\x00\x07HasProp\x08\0\0"s;
    EXPECT_EQ(SaveRect(*grid, {0, 0, 0, 0}), expected);
}

TEST_F(GridBinStreamTest, TextsAndCoordinatesTakeTheirSmallestForms)
{
    auto grid = NewGrid(1, 40001);
    const struct {
        std::string Text;
        char Kind;
    } texts[] = {{std::string(255, 'a'), '\x06'}, {std::string(256, 'a'), '\x0C'},
                 {"\xC3\xA9", '\x12'}, {"a\xC3\xA9", '\x14'}, {"\xF0\x9F\x98\x80", '\x12'}};
    for (const auto& text : texts) {
        grid->SetCells(0, 0, text.Text);
        const std::string bytes = SaveRect(*grid, {0, 0, 0, 0});
        EXPECT_EQ(bytes[bytes.find("\x04" "Cell") + 5], text.Kind) << text.Text;
        auto target = NewGrid(1, 1);
        LoadAt(*target, {0, 0}, bytes);
        EXPECT_EQ(target->Cells(0, 0), text.Text);
    }
    for (auto [row, kind] : {std::pair{127, '\x02'}, {128, '\x03'}, {40000, '\x04'}}) {
        const std::string bytes = SaveRect(*grid, {0, row, 0, row});
        EXPECT_EQ(bytes[bytes.find("\x03Row") + 4], kind) << row;
    }
}

TEST_F(GridBinStreamTest, CellPropertiesSurviveAndAnAbsentFontNameKeepsTheTargets)
{
    auto source = NumberedGrid(3, 3); // a part, so the target is not cleared first
    TCellProperties& props = *source->GetCellProperties(1, 0);
    props.SetAlignment(taCenter);
    props.SetBrushColor(clRed);
    props.SetBorderColor(0x123456);
    props.SetBorderWidth(300);
    props.SetFontStyle(TFontStyles().Include(fsBold).Include(fsStrikeOut));
    props.SetEditor(edFloatUnitEditBtn);
    props.SetReadOnly(true);
    props.SetVAlignment(vtaBottom);
    props.SetNodeLevel(3);
    props.SetFontName(""); // left out of the record

    auto target = NewGrid(2, 2);
    target->GetCellProperties(1, 0)->SetFontName("Serif");
    LoadAt(*target, {0, 0}, SaveRect(*source, {0, 0, 1, 1}));
    const TCellProperties& read = *target->GetCellProperties(1, 0);
    EXPECT_EQ(read.Alignment(), taCenter);
    EXPECT_EQ(read.BrushColor(), clRed);
    EXPECT_EQ(read.BorderColor(), TColor(0x123456));
    EXPECT_EQ(read.BorderWidth(), 300);
    EXPECT_EQ(read.FontStyle(), TFontStyles().Include(fsBold).Include(fsStrikeOut));
    EXPECT_EQ(read.Editor(), edFloatUnitEditBtn);
    EXPECT_TRUE(read.ReadOnly());
    EXPECT_EQ(read.VAlignment(), vtaBottom);
    EXPECT_EQ(read.NodeLevel(), 3);
    EXPECT_EQ(read.FontName(), "Serif");
    EXPECT_EQ(read.OwnerCol(), 1);
    EXPECT_EQ(read.OwnerRow(), 0);
}

TEST_F(GridBinStreamTest, APastedPartMovesAndAWholeGridIsClippedToTheTarget)
{
    auto source = NumberedGrid(5, 5);
    auto target = NewGrid(10, 10);
    target->SetCells(0, 0, "kept");
    LoadAt(*target, {3, 5}, SaveRect(*source, {1, 1, 2, 2}));
    EXPECT_EQ(target->Cells(3, 5), "1,1");
    EXPECT_EQ(target->Cells(4, 6), "2,2");
    EXPECT_EQ(target->Cells(1, 1), "");
    EXPECT_EQ(target->Cells(0, 0), "kept");
    EXPECT_EQ(target->ColCount(), 10);

    // The whole grid resizes the target to its own size, so cells placed
    // relative to the point partly fall outside and are dropped.
    LoadAt(*target, {2, 1}, SaveRect(*source, {0, 0, 4, 4}));
    EXPECT_EQ(target->ColCount(), 5);
    EXPECT_EQ(target->RowCount(), 5);
    EXPECT_EQ(target->Cells(2, 1), "0,0");
    EXPECT_EQ(target->Cells(4, 4), "2,3");
    EXPECT_EQ(target->Cells(0, 0), "");
}

TEST_F(GridBinStreamTest, TrailingByteAndSurplusWidthsLoad)
{
    auto source = NumberedGrid(2, 1);
    auto target = NewGrid(1, 1);
    LoadAt(*target, {0, 0}, SaveRect(*source, {0, 0, 1, 0}) + '\x07');
    EXPECT_EQ(target->Cells(1, 0), "1,0");

    // More widths than columns: the surplus is ignored, not written past the grid.
    LoadAt(*target, {0, 0}, Header(2, 1, "10,20,30,40", true));
    EXPECT_EQ(target->ColCount(), 2);
    EXPECT_EQ(target->ColWidths(1), 20);
}

TEST_F(GridBinStreamTest, HostileStreamsAreRefusedNamingTheOffset)
{
    auto source = NumberedGrid(2, 1);
    source->GetCellProperties(0, 0)->SetAlignment(taRightJustify);
    const std::string good = SaveRect(*source, {0, 0, 1, 0});
    using namespace std::string_literals;
    const struct {
        const char* Name;
        std::string Bytes;
        const char* Error;
    } cases[] = {
        {"empty", "", "record at offset 0: Invalid stream format"},
        {"no signature", "XXXX" + good, "record at offset 0: Invalid stream format"},
        {"unknown property", Replaced(good, "HasProp", "HasPrXp"), "unknown property \"HasPrXp\""},
        {"wrong kind", Replaced(good, "FullGrid\x09", "FullGrid\x02\x01"), "wrong value kind of FullGrid"},
        {"unknown kind", Replaced(good, "FullGrid\x09", "FullGrid\x42"), "unknown value kind 66"},
        {"length past the end", Replaced(good, "ColWidths\x06", "ColWidths\x0C\xF0\xFF\xFF\xFF"),
         "length beyond the end of the stream"},
        {"huge grid", Header(2'000'000'000, 1, "", true), "grid size out of range"},
        {"bad width", Header(2, 1, "10,x", true), "bad size \"x\" in ColWidths"},
        {"child component", Replaced(good, "ID\x02\x00\0\0"s, "ID\x02\x00\0\x01"s), "child components"},
        {"unknown alignment", Replaced(good, "taRightJustify", "taRightJustifx"), "unknown value \"taRightJustifx\""},
        {"cell without its properties", good.substr(0, good.find("TPF0\x0FTGridCellPropIO")),
         "record at offset 138: Invalid stream format"},
    };
    for (const auto& c : cases) {
        auto target = NewGrid(2, 1);
        try {
            LoadAt(*target, {0, 0}, c.Bytes);
            ADD_FAILURE() << c.Name << ": loaded";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.Message()).find("Cell stream: "), std::string::npos) << c.Name << ": " << e.Message();
            EXPECT_NE(std::string(e.Message()).find(c.Error), std::string::npos) << c.Name << ": " << e.Message();
        }
    }
}

TEST_F(GridBinStreamTest, EveryCutOfAStreamLoadsOrRaisesOnlyAReadError)
{
    auto source = NumberedGrid(2, 2);
    source->GetCellProperties(1, 1)->SetFontName("\xC3\xA9t\xC3\xA9");
    const std::string good = SaveRect(*source, {0, 0, 1, 1});
    for (std::size_t length = 0; length < good.size(); ++length) {
        auto target = NewGrid(2, 2);
        try {
            LoadAt(*target, {0, 0}, good.substr(0, length));
        } catch (const EReadError&) {
        }
    }
}

TEST_F(GridBinStreamTest, CellGraphicsSurviveWithAZeroValueLeftOut)
{
    auto source = NumberedGrid(3, 3);
    source->AddCheckBox(0, 0, cbGrayed);
    source->AddRotated(1, 0, 45, "turned");
    source->AddProgressPie(2, 0, clRed, 50);
    source->CellGraphics(2, 0)->SetCellValue(-1234.5625);
    source->AddProgressPie(0, 1, clRed, 0);
    source->CellGraphics(0, 1)->SetCellValue(0);
    const std::string bytes = SaveRect(*source, {0, 0, 2, 1});
    EXPECT_EQ(bytes.find("CellGraphic.CellValue", bytes.find("TPF0\x0ETGridGraphicIO", bytes.find("\x03Row\x02\x01"))),
              std::string::npos);

    auto target = NewGrid(3, 3);
    LoadAt(*target, {0, 0}, bytes);
    TCheckBoxState state = cbUnchecked;
    ASSERT_TRUE(target->GetCheckBoxState(0, 0, state));
    EXPECT_EQ(state, cbGrayed);
    ASSERT_NE(target->CellGraphics(1, 0), nullptr);
    EXPECT_EQ(target->CellTypes(1, 0), ctRotated);
    EXPECT_EQ(target->CellGraphics(1, 0)->CellAngle(), 45);
    ASSERT_NE(target->CellGraphics(2, 0), nullptr);
    EXPECT_EQ(target->CellGraphics(2, 0)->CellValue(), -1234.5625);
    ASSERT_NE(target->CellGraphics(0, 1), nullptr);
    EXPECT_EQ(target->CellGraphics(0, 1)->CellValue(), 0);
}

TEST_F(GridBinStreamTest, LoadingCountsTheNodesOfColumnZero)
{
    auto source = NumberedGrid(2, 6);
    for (int row : {0, 2, 4})
        source->AddNode(row, 2);
    TStringStream stream;
    source->SaveToBinStream(stream);
    stream.SetPosition(0);
    auto target = NewGrid(1, 1);
    target->LoadFromBinStream(stream);
    EXPECT_EQ(target->NumNodes(), 3);
    EXPECT_EQ(target->CellTypes(0, 2), ctNode);
}

TEST_F(GridBinStreamTest, RadioGroupsBringTheirOwnOptionsAndBorrowedOnesStayOut)
{
    auto source = NumberedGrid(3, 1);
    TStrings* options = source->CreateRadio(0, 0, 1, 1);
    options->Add("one");
    options->Add("");
    options->Add("dr\xC3\xA9i");
    source->CreateRadio(1, 0, 0, 0);
    TStringList borrowed;
    borrowed.Add("not ours");
    source->AddRadio(2, 0, 0, 0, &borrowed);

    auto target = NewGrid(3, 1);
    LoadAt(*target, {0, 0}, SaveRect(*source, {0, 0, 2, 0}));
    ASSERT_EQ(target->CellTypes(0, 0), ctRadio);
    const auto* read = dynamic_cast<const TStrings*>(target->CellGraphics(0, 0)->CellBitmap());
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Count(), 3);
    EXPECT_EQ(read->Strings(1), "");
    EXPECT_EQ(read->Strings(2), "dr\xC3\xA9i");
    EXPECT_EQ(target->CellGraphics(0, 0)->CellIndex(), 1);
    ASSERT_EQ(target->CellTypes(1, 0), ctRadio);
    EXPECT_EQ(dynamic_cast<const TStrings*>(target->CellGraphics(1, 0)->CellBitmap())->Count(), 0);
    EXPECT_EQ(target->CellGraphics(2, 0), nullptr);
    EXPECT_EQ(target->Cells(2, 0), "2,0");
}

namespace {

// A 3 x 2 white bitmap with one red pixel at (2, 1).
void MarkedBitmap(TBitmap& Bitmap)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(3, 2);
    TRGBQuad& pixel = Bitmap.ScanLine(1)[2];
    pixel.rgbRed = 255;
    pixel.rgbGreen = pixel.rgbBlue = 0;
}

bool IsMarked(const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Width() != 3 || Bitmap->Height() != 2) return false;
    const TRGBQuad& pixel = Bitmap->ScanLine(1)[2];
    const TRGBQuad& white = Bitmap->ScanLine(0)[0];
    return pixel.rgbRed == 255 && pixel.rgbGreen == 0 && white.rgbGreen == 255;
}

// A cell's graphic for a kind the grid has no operation of its own to add.
TCellGraphic* NewGraphic(TQuillStringGrid& Grid, int ACol, int ARow)
{
    Grid.AddButton(ACol, ARow, 0, 0, "", haLeft, vaTop);
    return Grid.CellGraphics(ACol, ARow);
}

} // namespace

TEST_F(GridBinStreamTest, OwnedImagesComeBackAsTheReadingGridsOwn)
{
    testsupport::TempFolder dir("gridbinimages");
    TBitmap marked;
    MarkedBitmap(marked);
    TPngImage png;
    png.Assign(&marked);
    const std::string pngFile = dir.Path() + "marked.png";
    png.SaveToFile(pngFile);

    auto source = NumberedGrid(3, 2);
    MarkedBitmap(*source->CreateBitmap(0, 0, false, haLeft, vaTop));
    source->CreateIcon(1, 0, haLeft, vaTop)->Assign(&marked);
    source->CreatePicture(2, 0, false, Stretch, 2, haLeft, vaTop)->SetGraphic(&png);
    auto* glyph = new TBitmap;
    MarkedBitmap(*glyph);
    TCellGraphic* button = NewGraphic(*source, 0, 1);
    button->SetBitButton(40, 20, "Go", glyph, haLeft, vaTop);
    button->SetCellCreated(true);
    TCellGraphic* file = NewGraphic(*source, 1, 1);
    auto* filePicture = new TFilePicture;
    filePicture->SetFilename(pngFile);
    file->SetCellType(ctFilePicture);
    file->SetCellBitmap(filePicture);
    file->SetCellCreated(true);
    TCellGraphic* images = NewGraphic(*source, 2, 1);
    images->SetMultiImage(2, 1, 0, haLeft, vaTop, {});
    dynamic_cast<TIntList*>(images->CellBitmap())->SetStrValue("3,7");
    const std::string bytes = SaveRect(*source, {0, 0, 2, 1});
    const std::size_t data = bytes.find("\x0B" "Bitmap.Data\x0A");
    ASSERT_NE(data, std::string::npos);
    EXPECT_EQ(bytes.substr(data + 17 + 4, 2), "BM") << "the bitmap's own data: its length, then a BMP file";

    auto target = NewGrid(3, 2);
    LoadAt(*target, {0, 0}, bytes);
    EXPECT_TRUE(IsMarked(target->GetBitmap(0, 0)));
    EXPECT_NE(target->GetBitmap(0, 0), source->GetBitmap(0, 0));
    const TIcon* icon = target->CellGraphics(1, 0)->CellIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(IsMarked(&icon->Bitmap()));
    const TPicture* picture = target->GetPicture(2, 0);
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(dynamic_cast<const TPngImage*>(picture->Graphic()), nullptr) << "the picture keeps its class";
    EXPECT_TRUE(IsMarked(&dynamic_cast<const TPngImage*>(picture->Graphic())->Bitmap()));
    EXPECT_EQ(target->CellGraphics(2, 0)->CellAngle(), Stretch);
    EXPECT_EQ(target->CellTypes(0, 1), ctBitButton);
    EXPECT_TRUE(IsMarked(dynamic_cast<const TBitmap*>(target->CellGraphics(0, 1)->CellBitmap())));
    EXPECT_EQ(target->CellGraphics(0, 1)->CellText(), "Go");
    const auto* readFile = dynamic_cast<const TFilePicture*>(target->CellGraphics(1, 1)->CellBitmap());
    ASSERT_NE(readFile, nullptr);
    EXPECT_EQ(readFile->Filename(), pngFile);
    EXPECT_EQ(readFile->Width(), 3);
    const auto* indexes = dynamic_cast<const TIntList*>(target->CellGraphics(2, 1)->CellBitmap());
    ASSERT_NE(indexes, nullptr);
    EXPECT_EQ(indexes->StrValue(), "3,7");
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_TRUE(target->CellGraphics(col, row)->CellCreated()) << col << "," << row;
}

TEST_F(GridBinStreamTest, BorrowedImagesStayOutAndBadImagesAreRefused)
{
    auto source = NumberedGrid(2, 1);
    TBitmap borrowed;
    MarkedBitmap(borrowed);
    source->AddBitmap(0, 0, &borrowed, false, haLeft, vaTop);
    MarkedBitmap(*source->CreateBitmap(1, 0, false, haLeft, vaTop));
    const std::string good = SaveRect(*source, {0, 0, 1, 0});
    auto target = NewGrid(2, 1);
    LoadAt(*target, {0, 0}, good);
    EXPECT_EQ(target->CellGraphics(0, 0), nullptr) << "a bitmap the grid does not own is left out";
    EXPECT_TRUE(IsMarked(target->GetBitmap(1, 0)));

    std::string filePicture;
    grid::files::TBinRecordWriter writer(filePicture);
    writer.Begin("TGridCellIO");
    writer.Int("Col", 0);
    writer.Int("Row", 0);
    writer.Bool("HasProp", true);
    writer.End();
    writer.Begin("TGridCellPropIO");
    writer.Bool("HasGraphic", true);
    writer.End();
    writer.Begin("TGridGraphicIO");
    writer.Ident("CellGraphic.CellType", "ctFilePicture");
    writer.End();
    writer.Begin("TGridFilePicIO");
    writer.Text("Picture.Filename", "/dev/zero");
    writer.End();
    const struct {
        const char* Name;
        std::string Bytes;
        const char* Error;
    } cases[] = {
        {"no BMP in the bitmap's data", std::string(good).replace(good.find("BM", good.find("Bitmap.Data")), 2, "XX"),
         "unreadable Bitmap.Data"},
        {"a device named as a file picture", Header(1, 1, "", false) + filePicture, "\"/dev/zero\" is no file"},
    };
    for (const auto& c : cases) {
        try {
            LoadAt(*target, {0, 0}, c.Bytes);
            ADD_FAILURE() << c.Name << ": loaded";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.Message()).find(c.Error), std::string::npos) << c.Name << ": " << e.Message();
        }
    }
}
