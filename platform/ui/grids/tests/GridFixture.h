// A shown form holding a string grid of known geometry, and a grid that
// records its hooks.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/grids/InplaceEdit.h"
#include "platform/ui/grids/StringGrid.h"

// Logs every hook as "Name a,b" and can refuse cells.
class TRecordingGrid : public TStringGrid {
public:
    explicit TRecordingGrid(TComponent* owner) : TStringGrid(owner) {}
    std::vector<std::string> Log;
    // Cells HandleSelectCell refuses.
    std::vector<TGridCoord> Refused;
    bool LogDraws = false;
    int EditLimit = 0;

    void ClearLog() { Log.clear(); }
    using TCustomGrid::CalcDrawInfo;
    using TCustomGrid::MaxTopLeft;

protected:
    bool HandleSelectCell(int c, int r) override
    {
        Note("SelectCell", c, r);
        for (const auto& x : Refused)
            if (x == TGridCoord{c, r}) return false;
        return TStringGrid::HandleSelectCell(c, r);
    }
    void HandleTopLeftChanged() override
    {
        Log.push_back("TopLeftChanged " + std::to_string(LeftCol()) + "," + std::to_string(TopRow()));
        TStringGrid::HandleTopLeftChanged();
    }
    void HandleSizeChanged(int oc, int orow) override
    {
        Note("SizeChanged", oc, orow);
        TStringGrid::HandleSizeChanged(oc, orow);
    }
    void HandleColWidthsChanged() override { Log.push_back("ColWidthsChanged"); }
    void HandleRowHeightsChanged() override { Log.push_back("RowHeightsChanged"); }
    void ColumnMoved(int f, int t) override
    {
        Note("ColumnMoved", f, t);
        TStringGrid::ColumnMoved(f, t);
    }
    void RowMoved(int f, int t) override
    {
        Note("RowMoved", f, t);
        TStringGrid::RowMoved(f, t);
    }
    void HandleDrawCell(int c, int r, const TRect& rect, TGridDrawState s) override
    {
        if (LogDraws) {
            std::string flags = std::string(s.Contains(gdFixed) ? "F" : "") + (s.Contains(gdSelected) ? "S" : "") +
                                (s.Contains(gdFocused) ? "C" : "");
            Log.push_back("Draw " + std::to_string(c) + "," + std::to_string(r) + " " + flags);
        }
        TStringGrid::HandleDrawCell(c, r, rect, s);
    }
    int ProvideEditLimit() override { return EditLimit; }
    std::string ProvideEditText(int c, int r) override
    {
        Note("GetEditText", c, r);
        return TStringGrid::ProvideEditText(c, r);
    }
    void ApplyEditText(int c, int r, const std::string& v) override
    {
        Log.push_back("SetEditText " + std::to_string(c) + "," + std::to_string(r) + " " + v);
        TStringGrid::ApplyEditText(c, r, v);
    }

private:
    void Note(const char* what, int a, int b) { Log.push_back(std::string(what) + " " + std::to_string(a) + "," + std::to_string(b)); }
};

// Columns 50 wide and rows 20 high with 1-pixel lines: each column takes 51
// pixels and each row 21. The client is 255 x 105 inside the scroll bars, so
// five columns and five rows fit exactly, one of each being fixed.
class FrameworkGrid : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        ui::ResetKeyboardState();
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 600, 400);
        Grid = new TRecordingGrid(Form);
        Grid->SetParent(Form);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(20);
        Grid->SetRowCount(100);
        Form->Show();
        // Both scroll bars show (the cells do not fit) and take their room
        // outside this client area.
        Grid->HandleNeeded();
        Grid->SetBounds(0, 0, 255 + GetSystemMetrics(SM_CXVSCROLL), 105 + GetSystemMetrics(SM_CYHSCROLL));
        ASSERT_EQ(Grid->ClientWidth(), 255);
        ASSERT_EQ(Grid->ClientHeight(), 105);
        Grid->SetFocus();
        Grid->ClearLog();
    }
    void TearDown() override { delete Form; }

    void Press(unsigned short key, TShiftState shift = {}) { backend::input::PressKey(*Form, key, shift); }
    void Type(const char* text) { backend::input::TypeText(*Form, text); }
    // The centre of a cell in view.
    TPoint Centre(int c, int r) const
    {
        TRect rect = Grid->CellRect(c, r);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
    TGridCoord Current() const { return {Grid->Col(), Grid->Row()}; }

    TForm* Form = nullptr;
    TRecordingGrid* Grid = nullptr;
};

inline std::ostream& operator<<(std::ostream& os, const TGridCoord& c) { return os << "(" << c.X << "," << c.Y << ")"; }
inline std::ostream& operator<<(std::ostream& os, const TGridRect& r)
{
    return os << "[" << r.Left << "," << r.Top << " - " << r.Right << "," << r.Bottom << "]";
}
