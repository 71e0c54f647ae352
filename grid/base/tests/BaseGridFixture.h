// A shown form holding a base grid of known geometry whose model operations
// log their calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/BaseGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"

// Logs the model operations as "Name c,r"; new property objects start with
// a yellow brush, right-justified.
class TLoggingGrid : public TBaseGrid {
public:
    explicit TLoggingGrid(TComponent* owner) : TBaseGrid(owner) {}

    std::vector<std::string> Log;
    bool LogPainting = false;
    // The text of the cell while its defaults were asked for.
    std::string TextDuringDefaults;
    // As the string grid does, refuse the hidden footer row as current row.
    bool RefuseFooter = false;

    using TBaseGrid::ComputeCellRect;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FShowSel;
    using TBaseGrid::FMergeCount;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FreeCellPropertiesRect;
    using TBaseGrid::HasCellProperties;
    using TBaseGrid::ResetCell;

protected:
    bool HandleSelectCell(int c, int r) override
    {
        if (RefuseFooter && FHideLastRow && r == RowCount() - 1) return false;
        return TBaseGrid::HandleSelectCell(c, r);
    }
    bool IsFixed(int c, int r) override { return NotePaint("IsFixed", c, r), TBaseGrid::IsFixed(c, r); }
    bool HasNodes() override { return NotePaint("HasNodes", -1, -1), false; }
    void DrawCellContent(TCanvas& canvas, int c, int r, const TRect& rect, TGridDrawState state) override
    {
        NotePaint("DrawCellContent", c, r);
        TBaseGrid::DrawCellContent(canvas, c, r, rect, state);
    }
    void GetVisualProperties(int c, int r, TGridDrawState& state, bool print, bool select, bool remap, TBrush& brush,
                             TColor& colorTo, TColor& mirror, TColor& mirrorTo, TFont& font, TAlignment& ha,
                             TVAlignment& va, bool& ww, TCellGradientDirection& gd) override
    {
        NotePaint("GetVisualProperties", c, r);
        TBaseGrid::GetVisualProperties(c, r, state, print, select, remap, brush, colorTo, mirror, mirrorTo, font, ha,
                                       va, ww, gd);
    }
    void UpdateFooterRow() override { Log.push_back("UpdateFooterRow"); }
    void CellTextChanged(int c, int r) override { Note("CellTextChanged", c, r); }
    void DoGetDisplText(int c, int r, std::string& value) override
    {
        Note("DoGetDisplText", c, r);
        TBaseGrid::DoGetDisplText(c, r, value);
    }
    void DoGetDisplWideText(int c, int r, std::u16string& value) override
    {
        Note("DoGetDisplWideText", c, r);
        TBaseGrid::DoGetDisplWideText(c, r, value);
    }
    void GetDefaultCellProps(int c, int r, TFont& font, TBrush& brush, TColor& colorTo, TColor& mirror,
                             TColor& mirrorTo, TAlignment& ha, TVAlignment& va, bool& ww,
                             TCellGradientDirection& gd) override
    {
        Note("GetDefaultCellProps", c, r);
        TextDuringDefaults = GetGridCell(c, r);
        TBaseGrid::GetDefaultCellProps(c, r, font, brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
        brush.SetColor(clYellow);
        ha = taRightJustify;
    }

private:
    void Note(const char* what, int c, int r) { Log.push_back(std::string(what) + " " + std::to_string(c) + "," + std::to_string(r)); }
    void NotePaint(const char* what, int c, int r)
    {
        if (LogPainting) Note(what, c, r);
    }
};

// Columns 50 wide and rows 20 high without framework lines; the client is
// 250 x 100, so five columns and five rows show, one of each fixed.
class BaseGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 400, 300);
        Grid = new TLoggingGrid(Form);
        Grid->SetParent(Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(10);
        Grid->SetRowCount(10);
        Form->Show();
        Grid->HandleNeeded();
        Grid->SetBounds(0, 0, 250, 100);
        ASSERT_EQ(Grid->ClientWidth(), 250);
        ASSERT_EQ(Grid->ClientHeight(), 100);
        Grid->SetFocus();
        Grid->Log.clear();
    }
    void TearDown() override { delete Form; }

    void Press(unsigned short key) { backend::input::PressKey(*Form, key, {}); }
    TGridCoord Current() const { return {Grid->Col(), Grid->Row()}; }
    // The colour at a client point of the grid, as $BBGGRR.
    TColor PixelAt(int x, int y)
    {
        Grid->Repaint();
        const TRGBQuad& q = Form->Surface().ScanLine(y + Form->MenuBarHeight())[x];
        return static_cast<TColor>(q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16));
    }

    TForm* Form = nullptr;
    TLoggingGrid* Grid = nullptr;
};

inline std::ostream& operator<<(std::ostream& os, const TGridCoord& c) { return os << "(" << c.X << "," << c.Y << ")"; }
