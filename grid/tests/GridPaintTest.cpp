// How the string grid paints: the resolved looks of cells, the fixed cells'
// hovered, pressed and sorted states, text kinds, merged areas across the
// fixed and scrolled parts, and text measures; golden images where the
// picture is the point.
#include "grid/paint/GridLooks.h"
#include "grid/tests/QuillGridFixture.h"
#include "grid/base/tests/GridPicture.h"

#include <cmath>

#include "grid/base/AuxLists.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/ColorMix.h"
#include "grid/paint/RichText.h"
#include "grid/paint/RotatedText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/GoldenImage.h"

namespace {

struct TPaintGrid : TQuillStringGrid {
    using TQuillStringGrid::GetVisualProperties;
    using TQuillStringGrid::TQuillStringGrid;
};

// What GetVisualProperties answers for one cell.
struct TResolved {
    TColor Brush, ColorTo, Mirror, FontColor;
    TGridDrawState State;
};

class GridPaintTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        delete Grid;
        Paint = new TPaintGrid(Form);
        Grid = Paint;
        Grid->SetParent(Form);
        Grid->SetScrollBars(ssNone);
    }

    TResolved Resolve(int ACol, int ARow, TGridDrawState State = {}, bool Select = true)
    {
        TBrush brush;
        TFont font;
        TColor to = clNone, mirror = clNone, mirrorTo = clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = false;
        TCellGradientDirection gd = GradientVertical;
        Paint->GetVisualProperties(ACol, ARow, State, false, Select, true, brush, to, mirror, mirrorTo, font, ha, va,
                                   ww, gd);
        return {brush.Color(), to, mirror, font.Color(), State};
    }

    void ExpectGolden(const std::string& Name)
    {
        TBitmap picture;
        CopyGridPicture(*Form, *Grid, picture);
        testsupport::ExpectMatchesGolden(picture, Name);
    }

    // A small header grid: one fixed row and column, four columns.
    void MakeHeaderGrid()
    {
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetDefaultColWidth(80);
        Grid->SetDefaultRowHeight(24);
        Grid->SetBounds(0, 0, 324, 100);
        for (int c = 1; c < 4; ++c) Grid->SetCells(c, 0, "Head " + std::to_string(c));
        Grid->SetShowSelection(false);
    }

    TPaintGrid* Paint = nullptr;
};

TEST(GridColorMixTest, MixesByPercentWithHalvesToEven)
{
    struct TCase {
        TColor A, B;
        int Percent;
        TColor Expected;
    };
    for (const TCase& c : {TCase{clRed, clBlue, 50, RGB(128, 0, 128)}, TCase{clRed, clBlue, 0, clBlue},
                           TCase{clRed, clBlue, 100, clRed}, TCase{clNone, clBlue, 50, clBlue},
                           TCase{clRed, clNone, 50, clRed}, TCase{RGB(10, 20, 30), RGB(20, 40, 60), 25,
                                                                   RGB(18, 35, 52)}}) {
        EXPECT_EQ(grid::MixColors(c.A, c.B, c.Percent), c.Expected) << c.Percent;
    }
}

TEST_F(GridPaintTest, OwnColourInAFixedRowWinsOverTheLookButAControlCellTurnsFixed)
{
    MakeHeaderGrid();
    Grid->SetColors(1, 0, clRed);
    const TResolved own = Resolve(1, 0);
    EXPECT_EQ(own.Brush, clRed);
    EXPECT_EQ(own.ColorTo, clNone) << "no look gradient over a cell's own colour";
    EXPECT_FALSE(own.State.Contains(gdFixed));

    Grid->AddCheckBox(2, 0, true, false);
    const TResolved check = Resolve(2, 0);
    EXPECT_EQ(check.Brush, Grid->QORGradientFrom());
    EXPECT_EQ(check.ColorTo, Grid->QORGradientTo());
    EXPECT_TRUE(check.State.Contains(gdFixed));
}

TEST_F(GridPaintTest, SelectedCellsTakeTheSelectionColourMixedOnlyWhenAsked)
{
    MakeHeaderGrid();
    Grid->SetShowSelection(true);
    Grid->SetSelection({1, 1, 2, 1});
    Grid->SetColors(2, 1, clBlue);
    Grid->SetSelectionColor(clRed);
    Grid->SetSelectionTextColor(clNone);
    Grid->SetFontColors(1, 1, clGreen);
    EXPECT_EQ(Resolve(1, 1).Brush, clRed);
    EXPECT_EQ(Resolve(1, 1).FontColor, clGreen) << "no selection text colour keeps the cell's";
    EXPECT_EQ(Resolve(2, 1).Brush, clRed);
    Grid->SetSelectionColorMixer(true);
    Grid->SetSelectionColorMixerFactor(50);
    EXPECT_EQ(Resolve(2, 1).Brush, RGB(128, 0, 128));
    EXPECT_EQ(Resolve(3, 1).Brush, Grid->Color()) << "outside the selection";
    Grid->SetColors(1, 1, clNone);
    EXPECT_EQ(Resolve(1, 1).Brush, clRed) << "the grid's own colour is never mixed";
}

TEST_F(GridPaintTest, PaintingCreatesNoCellProperties)
{
    MakeHeaderGrid();
    Grid->SetCells(2, 2, "<b>html</b>");
    Grid->SetLook(glVista);
    TBitmap picture;
    CopyGridPicture(*Form, *Grid, picture);
    for (int r = 0; r < Grid->RowCount(); ++r)
        for (int c = 0; c < Grid->ColCount(); ++c) EXPECT_EQ(Grid->Objects(c, r), nullptr) << c << "," << r;
}

TEST_F(GridPaintTest, FixedCellsHoveredPressedAndSorted)
{
    MakeHeaderGrid();
    Grid->SetComponentStyle(gsWindowsVista);
    Grid->SetHoverFixedCells(hfAll);
    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetColumn(3);
    Grid->SetHotFixedCell({1, 0}, false);
    ExpectGolden("fixed-hovered-sorted");
    Grid->SetHotFixedCell({2, 0}, true);
    Grid->SortSettings().SetDirection(sdDescending);
    ExpectGolden("fixed-pressed-sorted-descending");
    // The headers of the current cell light up in the active-cell colours.
    Grid->SetHotFixedCell({-1, -1}, false);
    Grid->SetActiveCellShow(true);
    Grid->SetCol(2);
    Grid->SetRow(2);
    ExpectGolden("fixed-active-cell");
    Grid->SetActiveCellShow(false);
    Grid->SetHotFixedCell({2, 0}, true);
    // Hover lighting only covers the fixed cells it is asked to.
    Grid->SetHoverFixedCells(hfFixedColumns);
    TBitmap plain, hovered;
    CopyGridPicture(*Form, *Grid, hovered);
    Grid->SetHotFixedCell({-1, -1}, false);
    CopyGridPicture(*Form, *Grid, plain);
    EXPECT_EQ(testsupport::GoldenMismatch(plain, hovered), "");
}

TEST_F(GridPaintTest, SortIndexesShowTheirOrder)
{
    MakeHeaderGrid();
    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetIndexShow(true);
    Grid->SortIndexes().AddIndex(2, true);
    Grid->SortIndexes().AddIndex(3, false);
    ExpectGolden("fixed-sort-indexes");
}

TEST_F(GridPaintTest, TextKinds)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(3);
    Grid->SetFixedCols(0);
    Grid->SetDefaultColWidth(110);
    Grid->SetDefaultRowHeight(60);
    Grid->SetBounds(0, 0, 444, 184);
    Grid->SetShowSelection(false);
    Grid->SetCells(0, 1, "a wrapped text that needs three lines here");
    Grid->SetWordWraps(0, 1, true);
    Grid->SetCells(1, 1, "cut off without wrapping at all");
    Grid->SetWordWraps(1, 1, false);
    Grid->SetCells(2, 1, "<b>HTML</b> with <font color=\"clRed\">colour</font> and <u>underline</u>");
    Grid->AddRotated(3, 1, 90, "up 90");
    Grid->AddRotated(3, 2, 45, "turned 45");
    Grid->SetCells(0, 2, "right bottom");
    Grid->SetAlignments(0, 2, taRightJustify);
    Grid->OnGetAlignment = [](TObject*, int ARow, int ACol, TAlignment&, TVAlignment& VA) {
        if (ARow == 2 && ACol == 0) VA = vtaBottom;
        if (ARow == 2 && ACol == 1) VA = vtaCenter;
    };
    Grid->SetCells(1, 2, "centred");
    Grid->SetAlignments(1, 2, taCenter);
    Grid->SetCells(2, 2, "secret");
    Grid->OnIsPasswordCell = [](TObject*, int ARow, int ACol, bool& IsPassword) { IsPassword = ARow == 2 && ACol == 2; };
    ExpectGolden("text-kinds");
}

TEST_F(GridPaintTest, MergedAreasAcrossFixedAndScrolledParts)
{
    Grid->SetColCount(8);
    Grid->SetRowCount(20);
    Grid->SetDefaultColWidth(60);
    Grid->SetDefaultRowHeight(22);
    Grid->SetBounds(0, 0, 304, 160);
    Grid->SetShowSelection(false);
    for (int r = 1; r < 20; ++r)
        for (int c = 1; c < 8; ++c) Grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
    Grid->MergeCells(0, 2, 3, 3);
    Grid->SetCells(0, 2, "from the fixed column");
    Grid->MergeCells(2, 0, 3, 2);
    Grid->SetCells(2, 0, "header over rows");
    Grid->MergeCells(3, 5, 3, 4);
    Grid->SetCells(3, 5, "scrolled area");
    Grid->SetColors(3, 5, 0xCCFFCC);
    Grid->SetTopRow(4);
    Grid->SetLeftCol(2);
    ExpectGolden("merged-fixed-scrolled");
}

TEST_F(GridPaintTest, MeasuresWithTheCellsOwnFontWhenColumnsAreHidden)
{
    Grid->SetColCount(5);
    Grid->SetCells(3, 1, "measured text");
    Grid->SetFontSizes(3, 1, 20);
    Grid->SetFontSizes(2, 1, 6);
    Grid->SetCells(2, 1, "x");
    const TSize shown = Grid->GetCellTextSize(3, 1, false, false);
    Grid->HideColumn(1);
    EXPECT_EQ(Grid->GetCellTextSize(3, 1, false, false), shown);
    EXPECT_GT(shown.cy, 20);
}

TEST_F(GridPaintTest, TurnedTextMeasuresTheBoxAroundBothSides)
{
    Grid->SetColCount(3);
    Grid->SetCells(1, 1, "a rotated text");
    const TSize flat = Grid->GetCellTextSize(1, 1, false, false);
    Grid->SetRotated(1, 1, 45);
    const TSize turned = Grid->GetCellTextSize(1, 1, false, false);
    const double s = std::sin(M_PI / 4);
    EXPECT_GE(turned.cx, static_cast<int>((flat.cx + flat.cy) * s));
    EXPECT_GE(turned.cy, static_cast<int>((flat.cx + flat.cy) * s));
    Grid->SetRotated(1, 1, 90);
    EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false), (TSize{flat.cy + 12, flat.cx + 12}));
}

TEST(GridRotatedTextTest, PlacesTheOriginByQuadrantAndAlignment)
{
    struct TCase {
        int Angle;
        TAlignment HA;
        TVAlignment VA;
        TPoint Origin;
    };
    // A 100 x 50 box at (10, 20); text 40 wide and 10 high.
    const TRect box{10, 20, 110, 70};
    for (const TCase& c : {TCase{90, taLeftJustify, vtaTop, {10, 60}}, TCase{0, taLeftJustify, vtaBottom, {10, 60}},
                           TCase{0, taRightJustify, vtaTop, {70, 20}}, TCase{180, taLeftJustify, vtaTop, {50, 30}},
                           TCase{270, taRightJustify, vtaBottom, {110, 30}}}) {
        const double a = c.Angle * M_PI / 180;
        auto part = [](double v) { return std::abs(static_cast<int>(std::round(v))); };
        TRect r = box;
        grid::PlaceRotatedText(r, c.HA, c.VA, c.Angle, part(std::cos(a) * 40), part(std::sin(a) * 10),
                               part(std::sin(a) * 40), part(std::cos(a) * 10));
        EXPECT_EQ((TPoint{r.Left, r.Top}), c.Origin) << c.Angle << " " << c.HA << " " << c.VA;
    }
}

TEST_F(GridPaintTest, LooksAndStylesWriteTheirPresets)
{
    Grid->SetQORGradientFrom(clRed);
    Grid->SetLook(glXP);
    EXPECT_EQ(Grid->QORGradientFrom(), clRed) << "setting the current look changes nothing";

    Grid->SetLook(glOffice2007);
    EXPECT_EQ(Grid->Style(), gsOffice2007Luna);
    EXPECT_EQ(Grid->SelectionStyle(), ssOffice2007);

    Grid->SetLook(glXP);
    Grid->SetComponentStyle(gsOffice2010Black);
    EXPECT_EQ(Grid->Look(), glOffice2007);
    EXPECT_EQ(Grid->QORGradientFrom(), TColor(0x6A6A6A));
    EXPECT_EQ(Grid->SortSettings().HeaderColor(), TColor(0xBABABA));

    const TColor fixedFrom = Grid->QORGradientFrom();
    Grid->SetSelectionColor(clRed);
    Grid->SetStyle(gsCustom);
    EXPECT_EQ(Grid->SelectionColor(), clHighlight);
    EXPECT_EQ(Grid->SelectionTextColor(), clHighlightText);
    EXPECT_EQ(Grid->QORGradientFrom(), fixedFrom);
}

TEST(GridLookNamesTest, IdentifiersAndCaptions)
{
    EXPECT_EQ(grid::LookIdentifier(glXP), "glXP");
    EXPECT_EQ(grid::LookCaption(glXP), "Windows XP");
    EXPECT_EQ(grid::LookCaption(glOffice2007), "Office2007");
    EXPECT_EQ(grid::LookIdentifier(glCustom), "");
    EXPECT_EQ(grid::LookFromName("vista"), glVista);
    EXPECT_EQ(grid::LookFromName("glWin7"), glWin7);
    EXPECT_FALSE(grid::LookFromName("glCustom"));
    EXPECT_EQ(grid::StyleFromName("office2010black"), gsOffice2010Black);
}

} // namespace

namespace {

std::string RunsText(const std::vector<grid::TRichRun>& Runs)
{
    std::string s;
    for (const auto& r : Runs)
        s += "[" + std::string(r.Bold ? "b" : "") + (r.Italic ? "i" : "") + (r.Underline ? "u" : "") +
             (r.StrikeOut ? "s" : "") + (r.Color != clNone ? "c" : "") + (r.Highlight != clNone ? "h" : "") +
             (r.HalfPoints ? std::to_string(r.HalfPoints) : "") + (r.FontName.empty() ? "" : ":" + r.FontName) + "]" +
             r.Text;
    return s;
}

TEST(GridRichTextTest, ReadsCharacterFormattingParagraphsAndEscapes)
{
    struct TCase {
        const char* Rtf;
        const char* Runs;
    };
    for (const TCase& c : {
             TCase{"{\\rtf1 plain \\b bold\\b0  \\i it\\i0}", "[]plain [b]bold[] [i]it"},
             TCase{"{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 red\\par next}", "[c]red\nnext"},
             TCase{"{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f1\\fs28 mono}", "[28:Courier New]mono"},
             TCase{"{\\rtf1 caf\\'e9 \\u8364? \\{x\\}}", "[]caf\xC3\xA9 \xE2\x82\xAC {x}"},
             TCase{"{\\rtf1{\\*\\generator skipped;}{\\info{\\title no}}shown\\tab x}", "[]shown\tx"},
             TCase{"{\\rtf1 {\\ul inner} outer}", "[u]inner[] outer"},
         }) {
        EXPECT_EQ(RunsText(grid::ReadRichText(c.Rtf)), c.Runs) << c.Rtf;
    }
}

TEST(GridRichTextTest, RefusesBrokenTextNamingWhere)
{
    const std::string deep = "{\\rtf1 " + std::string(100, '{') + "x" + std::string(100, '}') + "}";
    for (const std::string& rtf : {std::string("plain text"), std::string("{\\rtf1 open"), deep,
                                   std::string("{\\rtf1 \\'zz}"), std::string("{\\rtf1 \\fs12345678901234}")}) {
        try {
            grid::ReadRichText(rtf);
            ADD_FAILURE() << "accepted " << rtf.substr(0, 30);
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find("RTF: cell text at offset"), std::string::npos) << e.what();
        }
    }
}

TEST_F(GridPaintTest, RichTextCellsDrawTheirStylesAndWrap)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetFixedCols(0);
    Grid->SetFixedRows(0);
    Grid->SetDefaultColWidth(200);
    Grid->SetDefaultRowHeight(80);
    Grid->SetBounds(0, 0, 404, 164);
    Grid->SetShowSelection(false);
    const std::string rtf = "{\\rtf1{\\colortbl ;\\red200\\green0\\blue0;\\red255\\green255\\blue0;}Plain \\b bold\\b0 "
                            " \\i italic\\i0  \\ul under\\ulnone\\par \\cf1 red \\highlight2 marked\\highlight0\\cf0 "
                            "\\fs28 large\\fs0  and a long tail that wraps}";
    Grid->SetCells(0, 0, rtf);
    Grid->SetCells(1, 0, rtf);
    Grid->SetWordWraps(1, 0, false);
    Grid->SetCells(0, 1, "{\\rtf1 broken");
    ExpectGolden("rich-text");
    EXPECT_GT(Grid->GetCellTextSize(0, 0, false, false).cx, Grid->GetCellTextSize(0, 0, true, false).cx);
}

} // namespace

namespace {

TEST_F(GridPaintTest, ComponentStylesTonesAndOfficeThemesReachTheGrid)
{
    IQORStyle* styled = dynamic_cast<IQORStyle*>(static_cast<TObject*>(Grid));
    ASSERT_NE(styled, nullptr);
    styled->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(Grid->Look(), glOffice2007);
    EXPECT_EQ(Grid->Style(), gsOffice2010Black);

    Grid->AdaptToOfficeTheme(ot2003Olive);
    EXPECT_EQ(Grid->QORGradientFrom(), TColor(0xCFF0EA));
    Grid->SetQORGradientFrom(clRed);
    Grid->AdaptToOfficeTheme(ot2003Olive);
    EXPECT_EQ(Grid->QORGradientFrom(), clRed) << "the same theme is applied once";

    TColorTones tones;
    tones.Background = {clWhite, clSilver, clBlack};
    tones.Foreground = {RGB(100, 150, 200), clGray, clWhite};
    tones.Selected = {clNavy, clNavy, clYellow};
    dynamic_cast<IQORTones*>(static_cast<TObject*>(Grid))->SetColorTones(tones);
    EXPECT_TRUE(Grid->Flat());
    EXPECT_EQ(Grid->Look(), glClassic);
    EXPECT_EQ(Grid->FixedColor(), RGB(100, 150, 200));
    EXPECT_EQ(Grid->GridFixedLineColor(), RGB(80, 120, 160));
    EXPECT_EQ(Grid->SelectionColor(), clNavy);
    EXPECT_EQ(Grid->SelectionTextColor(), clYellow);
}

} // namespace

namespace {

TEST_F(GridPaintTest, IndicatorsWithTextsThatAreNoWholeNumbersStillPaint)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(2);
    Grid->SetFixedRows(0);
    Grid->SetCells(1, 0, "abc");
    Grid->AddProgress(1, 0, clGreen, clWhite);
    Grid->SetCells(2, 0, "42.5");
    Grid->AddProgress(2, 0, clGreen, clWhite);
    Grid->SetCells(3, 0, "x");
    Grid->AddRating(3, 0, 5, clYellow, clWhite);
    Grid->SetCells(1, 1, "");
    Grid->AddProgressPie(1, 1, clBlue, 0);
    TBitmap picture;
    EXPECT_NO_THROW(CopyGridPicture(*Form, *Grid, picture));
}

} // namespace
