// The grid's drop target and drop source: what a drop of cells, text, rich
// text, a link, a file or a column does to the grid, the marks and scrolling
// while a drag passes over it, and the drag image that follows a drag out.
#pragma once

#include "grid/base/SarnDD.h"
#include "platform/ui/grids/GridTypes.h"

class TQuillStringGrid;

class TGridDropTarget : public TSARNDropTarget {
public:
    explicit TGridDropTarget(TQuillStringGrid& AGrid);

    // Keeps the dropped data at hand for the drop operations.
    HRESULT Drop(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect) override;

    void DropText(TPoint pt, const std::string& s) override;
    void DropStream(TPoint pt, std::unique_ptr<TMemoryStream> ms) override;
    void DropCol(TPoint pt, int Col) override;
    void DropRTF(TPoint pt, const std::string& s) override;
    void DropFiles(TPoint pt, TStringList& files) override;
    void DropURL(TPoint pt, const std::string& s) override;
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override;

private:
    // The cell under the point, moved to the append position below the last
    // row when rows are dropped whole and appended.
    TGridCoord DropCell(TPoint pt, bool ColumnDrag, bool& Append);
    void ScrollNear(TGridCoord Cell, TPoint Client);
    void ShowMarks(TGridCoord Cell, bool ColumnDrag, bool Append);
    void HideArrows(bool Left, bool Down, bool Up);

    // A column of another grid brings its cells: a new column holds them.
    void InsertDroppedColumn(int Target);

    TQuillStringGrid& FGrid;
    IDataObject* FDropData = nullptr;
};

class TGridDropSource : public TSARNDropSource {
public:
    explicit TGridDropSource(TQuillStringGrid& aGrid);
    ~TGridDropSource() override;
    TGridDropSource(const TGridDropSource&) = delete;
    TGridDropSource& operator=(const TGridDropSource&) = delete;

    // The source of the drag this program runs now; null when none runs.
    static TGridDropSource* Current() noexcept;
    TQuillStringGrid& Grid() const noexcept { return FGrid; }

    void DragDropDone() override;
    void CurrentEffect(DWORD dwEffect) override;
    void QueryDrag() override;

    // The last effect reported that was a move or a copy.
    DWORD LastEffect() const noexcept { return FLastEffect; }

private:
    TQuillStringGrid& FGrid;
    DWORD FLastEffect = DROPEFFECT_NONE;
};
