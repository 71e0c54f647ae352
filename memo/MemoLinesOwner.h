// What the memo's line list asks of the memo it serves.
#pragma once

class TStrings;

// The memo as its line list sees it. The memo control implements this; a
// list without an owner behaves as a plain string list that also keeps its
// line lengths. Caret coordinates are 0-based (column, line).
class TMemoLinesOwner {
public:
    virtual ~TMemoLinesOwner() = default;

    virtual int TabSize() const = 0;
    virtual int TopLine() const = 0;
    // Forgets the painter's cached lexer state of the top line.
    virtual void InvalidateTopLineStyle() = 0;
    // A line was inserted at, or removed from, Index: marks kept by line
    // number (numbered bookmarks, markers) on Index or below follow.
    virtual void LineInserted(int Index) = 0;
    virtual void LineRemoved(int Index) = 0;

    virtual int CurX() const = 0;
    virtual int CurY() const = 0;
    // Through the caret setters, which clamp or extend as the memo does.
    virtual void SetCurX(int Value) = 0;
    virtual void SetCurY(int Value) = 0;
    // Writes the caret fields directly, bypassing the setters.
    virtual void StoreCaret(int X, int Y) = 0;
    virtual void ClearSelection() = 0;
    // Selection start and end to (0, 0), then the caret line and column to 0.
    virtual void ResetSelectionAndCaret() = 0;

    // Deletes caret line CurY as an undoable step; the memo deletes the line
    // by calling the list's Delete again.
    virtual void DeleteLine() = 0;

    virtual bool CodeFoldingEnabled() const = 0;
    virtual void SetCodeFoldingEnabled(bool Value) = 0;
    virtual void RemoveCodeFolding(int Line) = 0;
    virtual void RemoveRegionEndingAt(int Line) = 0;
    virtual void ResetCodeFoldingNodeCount() = 0;
    virtual void AutoCodeFold() = 0;

    // The memo's Clear, and its Lines writer.
    virtual void ClearMemo() = 0;
    virtual void AssignLines(const TStrings& Source) = 0;
    virtual void ClearUndoList() = 0;

    // Refreshing off stops the memo reacting to line changes.
    virtual void SetRefreshing(bool Value) = 0;
    virtual void LinesChanged() = 0;
    virtual void SetMaxLineLength(int Value) = 0;
    virtual void UpdateMaxLength() = 0;
    virtual void RefreshScrollBars() = 0;
    virtual void RefreshMemo() = 0;
    virtual void Repaint() = 0;
    virtual void StatusChanged() = 0;
    // The memo's update bracket, which suspends refreshing.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    // Soft wrapping: whether it is on, and undoing or re-applying it on the lines.
    virtual bool SoftWrapping() const = 0;
    virtual void UnwrapLines() = 0;
    virtual void WrapLines() = 0;
    virtual void UpdateWrap() = 0;
};
