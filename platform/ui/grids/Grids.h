// The custom grid and the draw grid: cells laid out in columns and rows with
// fixed headers, a current cell and selection, scrolling, keyboard and mouse
// navigation, sizing and moving of columns and rows, and an in-place editor.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/CustomControl.h"
#include "platform/ui/grids/GridAxis.h"
#include "platform/ui/grids/GridTypes.h"

class TInplaceEdit;

class TCustomGrid : public TCustomControl {
    VISTRA_CLASS(TCustomGrid, TCustomControl)

    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // Dimensions. A count never drops below 1, and the fixed counts stay below
    // their count (lowering a count lowers its fixed count with it).
    int ColCount() const noexcept { return FCols.Count(); }
    void SetColCount(int Value);
    int RowCount() const noexcept { return FRows.Count(); }
    void SetRowCount(int Value);
    int FixedCols() const noexcept { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const noexcept { return FFixedRows; }
    void SetFixedRows(int Value);
    // Setting a default size gives every column (row) that size.
    int DefaultColWidth() const noexcept { return FCols.DefaultSize(); }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const noexcept { return FRows.DefaultSize(); }
    void SetDefaultRowHeight(int Value);
    // Index errors raise EListError. A negative size hides the column (row).
    int ColWidths(int Index) const { return FCols.Size(Index); }
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const { return FRows.Size(Index); }
    void SetRowHeights(int Index, int Value);
    int GridLineWidth() const noexcept { return FCols.LineWidth(); }
    void SetGridLineWidth(int Value);
    // Pixels from the left of column 0 to the left of ACol (0..ColCount), and
    // from the top of row 0 to the top of ARow, lines included.
    std::int64_t ColOffset(int ACol) const { return FCols.Offset(ACol); }
    std::int64_t RowOffset(int ARow) const { return FRows.Offset(ARow); }

    TColor FixedColor() const noexcept { return FFixedColor; }
    void SetFixedColor(TColor Value);
    bool DefaultDrawing() const noexcept { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TGridOptions Options() const noexcept { return FOptions; }
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const noexcept { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    // The grid's scroll bars, shown as the window's own; the thumb positions
    // run from 0 to 127.
    const TGridScrollBar& HorzScrollBar() const noexcept { return FHorzBar; }
    const TGridScrollBar& VertScrollBar() const noexcept { return FVertBar; }

    // The view: the first scrolling column and row shown, and how many
    // scrolling columns and rows are wholly visible (at least 1).
    int LeftCol() const noexcept { return FTopLeft.X; }
    void SetLeftCol(int Value);
    int TopRow() const noexcept { return FTopLeft.Y; }
    void SetTopRow(int Value);
    int VisibleColCount() const;
    int VisibleRowCount() const;
    // The client rectangle of a cell in view (clipped to the client area);
    // empty for a cell out of view.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1, -1 outside the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    TGridDrawInfo CalcDrawInfo() const;

    // The current cell and the selection (the block from the anchor to the
    // current cell). Setting Col or Row asks HandleSelectCell first and
    // collapses the selection onto the new cell.
    int Col() const noexcept { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const noexcept { return FCurrent.Y; }
    void SetRow(int Value);
    TGridCoord Anchor() const noexcept { return FAnchor; }
    TGridRect Selection() const;
    // Takes any rectangle, also one outside the grid (which selects nothing
    // and leaves no current cell in the grid); no select-cell check.
    void SetSelection(const TGridRect& Value);
    // Moves the current cell after the select-cell check; with MoveAnchor the
    // selection collapses onto it, otherwise it extends from the anchor; with
    // Show the cell is scrolled into view. Then raises OnClick.
    // False when the check refused the move.
    bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor) { (void)MoveCurrent(ACol, ARow, MoveAnchor, true); }

    // The in-place editor.
    bool EditorMode() const noexcept { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const noexcept { return FInplaceEdit; }
    void ShowEditor();
    // Shows the editor and types Ch into it, replacing the cell's text.
    void ShowEditorChar(char32_t Ch);
    // Stores the editor's text and hides it.
    void HideEditor();
    // Reloads the editor from the cell.
    void InvalidateEditor();
    // Hands the editor's text to ApplyEditText.
    void UpdateText();

    // Structure: moves keep sizes with their column (row) and report through
    // ColumnMoved (RowMoved); a deletion moves the column (row) to the end and
    // cuts it off.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void DeleteColumn(int ACol);
    void DeleteRow(int ARow);

    TGridState GridState() const noexcept { return FGridState; }
    void SetGridState(TGridState Value) noexcept { FGridState = Value; }

    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }

    // Distance from a border within which a press in a fixed cell starts sizing.
    static constexpr int ColSizingZone = 4;
    static constexpr int RowSizingZone = 3;

protected:
    // Hooks, in the order the grid calls them.
    // Asked before the current cell moves; false refuses the move.
    virtual bool HandleSelectCell(int ACol, int ARow);
    // After LeftCol or TopRow changed.
    virtual void HandleTopLeftChanged();
    // After ColCount or RowCount changed.
    virtual void HandleSizeChanged(int OldColCount, int OldRowCount);
    virtual void HandleColWidthsChanged();
    virtual void HandleRowHeightsChanged();
    // After a move; the sizes have moved already.
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // Paints one cell; ARect excludes the grid lines.
    virtual void HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Decides whether a press at (X, Y) starts sizing: State becomes
    // gsColSizing or gsRowSizing with the Index of the column (row) whose
    // far border was grabbed, SizingPos the border and SizingOfs the press's
    // distance from it.
    virtual void HandleCalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                       int& SizingOfs, const TGridDrawInfo& FixedInfo);
    // Navigation keys; clear Key to stop it.
    virtual void HandleKeyDown(unsigned short& Key, TShiftState Shift);
    virtual void HandleKeyPress(char32_t& Key);
    // The wheel moves the current row by one; true when handled.
    virtual bool HandleWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool HandleWheelUp(TShiftState Shift, TPoint MousePos);
    // The in-place editor's text source and sink, its factory and the
    // question whether it may show now.
    virtual std::string ProvideEditText(int ACol, int ARow);
    virtual void ApplyEditText(int ACol, int ARow, const std::string& Value);
    // The editor's length limit in characters (0: none) and its edit mask,
    // asked each time it loads a cell.
    virtual int ProvideEditLimit();
    virtual std::string ProvideEditMask(int ACol, int ARow);
    virtual TInplaceEdit* HandleCreateEditor();
    virtual bool HandleCanEditShow();

    void Paint() override;
    void KeyDown(unsigned short& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void BoundsChanged() override;
    void CreateHandle() override;

    // Scroll messages: SB_ codes with the thumb position in the high word.
    void ScrollMessage(bool Vertical, unsigned Code, int ThumbPos);
    // Largest useful LeftCol and TopRow (the last page shown whole).
    TGridCoord MaxTopLeft() const;
    void ClampInView(int ACol, int ARow);
    // Redraws after the selection changed.
    void SelectionMoved();

    TGridState FGridState = gsNormal;

private:
    friend class TInplaceEdit;
    void MoveTopLeft(int ALeft, int ATop);
    void UpdateScrollBars();
    void SizeChanged(int OldColCount, int OldRowCount);
    void RepairAfterSizeChange();
    bool IsActiveControl() const;
    void UpdateEdit();
    void HideEdit();
    void PaintCells(TCanvas& ACanvas, int FirstCol, int LastCol, int FirstRow, int LastRow, int XStart, int YStart,
                    const TRect& Clip);
    TGridAxisInfo AxisInfo(const TGridAxis& Axis, int FixedCount, int First, int Extent) const;
    int CellStart(const TGridAxis& Axis, int FixedCount, int First, int Index) const;
    void FinishSizing(int X, int Y);
    void FinishMoving(int X, int Y);
    TGridCoord ClampToScrolling(TGridCoord Cell) const;

    TGridAxis FCols;
    TGridAxis FRows;
    int FFixedCols = 1;
    int FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    TGridScrollBar FHorzBar;
    TGridScrollBar FVertBar;
    int FBarRelayoutDepth = 0;
    TGridCoord FTopLeft{1, 1};
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    bool FEditorMode = false;
    // The cell's edit text when the editor opened, for Escape.
    std::string FEditOriginal;
    // Set while the editor hides and hands the focus back to the grid.
    bool FHidingEdit = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    // Mouse drags: the cell or border grabbed.
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = -1;
};

// A grid whose cells the application paints through OnDrawCell.
class TDrawGrid : public TCustomGrid {
    VISTRA_CLASS(TDrawGrid, TCustomGrid)

    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;

protected:
    bool HandleSelectCell(int ACol, int ARow) override;
    void HandleTopLeftChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string ProvideEditText(int ACol, int ARow) override;
    void ApplyEditText(int ACol, int ARow, const std::string& Value) override;
};
