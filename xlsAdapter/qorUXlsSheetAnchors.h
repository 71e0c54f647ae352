// The cell anchors of the shapes in a worksheet's drawing, which the sheet
// keeps as the drawing records it read. Each anchor remembers the shape's
// rectangle in sheet units from when the sheet was loaded, so that shapes
// that keep their size or their place can be re-anchored after rows and
// columns are sized, hidden, inserted or deleted.
#pragma once

#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <cstdint>
#include <vector>

class TBaseRecordList;
class TWorkSheet;


class TSheetAnchors {
public:
    // Finds the anchors in the drawing records of Lists (in save order) and
    // remembers their rectangles on Sheet.
    void Load(const std::vector<const TBaseRecordList*>& Lists, const TWorkSheet& Sheet);
    void Clear() { FAnchors.clear(); }

    // The anchors as stored in the records, in drawing order.
    std::vector<TClientAnchor> Anchors(const std::vector<const TBaseRecordList*>& Lists) const;
    // Shapes that keep their size or place are re-anchored from the
    // rectangles remembered at load.
    void RestoreObjectCoords(const std::vector<const TBaseRecordList*>& Lists, const TWorkSheet& Sheet) const;
    // Rows or columns were inserted (positive counts) or deleted (negative)
    // at aRowPos / aColPos: corners move with their cells.
    void ArrangeInsertRowsAndCols(const std::vector<const TBaseRecordList*>& Lists, const TWorkSheet& Sheet,
                                  int aRowPos, int aRowCount, int aColPos, int aColCount) const;

private:
    struct TSavedAnchor {
        // Offset of the anchor body in the sheet's drawing data.
        std::int64_t Offset = 0;
        // Left, right, top and bottom edges in sheet units.
        std::int64_t X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    };
    std::vector<TSavedAnchor> FAnchors;
};
