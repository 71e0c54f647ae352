// The grid's handlers of the find panel under it: searching as the user
// types, the Next and Previous buttons, highlighting and closing.
#include "grid/QuillGrid.h"
#include "grid/QuillGridSearchPanel.h"
#include "grid/model/FloatingFooter.h"

#include "grid/base/SearchFooter.h"

TFindParams TQuillStringGrid::SearchPanelParams(bool Typing)
{
    const TSearchFooter& footer = *FSearchFooter;
    TFindParams params;
    params.Include(fnAutoGoto);
    if (FSearchPanel->HighlightDown) params.Include(fnIgnoreHTMLTags);
    if (FSearchPanel->MatchCase) params.Include(fnMatchCase);
    if (footer.SearchActiveColumnOnly()) params.Include(fnFindInCurrentCol);
    if (footer.SearchMatchStart()) params.Include(fnMatchStart);
    if (Typing && footer.SearchFixedCells()) params.Include(fnIncludeFixed);
    if (Typing && footer.SearchHiddenRows()) params.Include(fnIncludeHiddenRows);
    if (footer.SearchDirection() == sdLeftRight) params.Include(fnDirectionLeftRight);
    if (footer.SearchColumn() >= 0 && footer.SearchColumn() < ColCount()) {
        FFindCol = footer.SearchColumn();
        params.Include(fnFindInPresetCol);
    }
    return params;
}

void TQuillStringGrid::HighlightSearchText(bool On)
{
    const TSearchFooter& footer = *FSearchFooter;
    const bool fixed = footer.SearchFixedCells();
    const int col = footer.SearchColumn();
    const std::string& text = FSearchPanel->Text;
    if (col == -1) {
        if (On) HilightInGrid(fixed, FSearchPanel->MatchCase, text);
        else UnHilightInGrid(fixed);
    } else if (col >= 0 && col < AllColCount()) {
        if (On) HilightInCol(fixed, FSearchPanel->MatchCase, col, text);
        else UnHilightInCol(fixed, col);
    }
}

void TQuillStringGrid::DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TQuillStringGrid::SearchPanelEditChange(const std::string& Text)
{
    FSearchPanel->Text = Text;
    bool defaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, Text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch()) return;
    const TFindParams params = SearchPanelParams(true);
    HighlightSearchText(false);
    if (Text.empty()) {
        FSearchPanel->EditColor = clWindow;
        return;
    }
    const TPoint hit = Find({-1, -1}, Text, params);
    FSearchCell = hit;
    DoSearchFooterAction(Text, hit.X, hit.Y, saFindFirst);
    if (hit.X < 0) {
        FSearchPanel->EditColor = grid::SearchNotFoundColor;
        return;
    }
    FSearchPanel->EditColor = clWindow;
    ScrollInView(hit.X, params.Contains(fnIncludeHiddenRows) ? DisplRowIndex(hit.Y) : hit.Y);
    if (FSearchPanel->HighlightDown || FSearchFooter->AlwaysHighLight()) HighlightSearchText(true);
}

void TQuillStringGrid::SearchPanelStep(bool Backward)
{
    TSearchFooter& footer = *FSearchFooter;
    const std::string& text = FSearchPanel->Text;
    if (!footer.AutoSearch()) {
        // A new text starts from the beginning.
        if (text != footer.LastSearch()) FSearchCell = {-1, -1};
        footer.SetLastSearch(text);
    }
    TFindParams params = SearchPanelParams(false);
    if (Backward) params.Include(fnBackward);
    // After a miss the search cell is (-1, -1), so the next press starts over.
    FSearchCell = Find(FSearchCell, text, params);
    const auto showHit = [this] {
        if (FSearchCell.X < 0) return;
        ScrollInView(FSearchCell.X, FSearchCell.Y);
        const int k = FFloatingFooter->Visible() ? 1 : 0;
        if (Row() > TopRow() + VisibleRowCount() - k - 2 && VisibleRowCount() + FixedRows() + k < RowCount())
            SetTopRow(TopRow() + 2);
    };
    if (!Backward) showHit();
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, Backward ? saFindPrevious : saFindNext);
    if (Backward) showHit();
}

void TQuillStringGrid::SearchPanelForwardClick() { SearchPanelStep(false); }

void TQuillStringGrid::SearchPanelBackwardClick() { SearchPanelStep(true); }

void TQuillStringGrid::SearchPanelHighLightClick(bool Down)
{
    FSearchPanel->HighlightDown = Down;
    HighlightSearchText(Down);
}

void TQuillStringGrid::SearchPanelClose()
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}
