// The room a cell's graphic takes: on screen beside or over the cell's text,
// and for printing and export at a scale.
#include "grid/QuillGrid.h"
#include "grid/model/ControlLook.h"

#include <algorithm>
#include <cmath>

#include "grid/paint/CellGraphicPainter.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"

namespace {

// Sizes of the graphic's own object; (0, 0) when the slot holds none.
TPoint ObjectSize(const TCellGraphic& g)
{
    if (g.CellType() == ctIcon) {
        if (const TIcon* icon = g.CellIcon()) return {icon->Width(), icon->Height()};
        return {0, 0};
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(g.CellBitmap())) return {bitmap->Width(), bitmap->Height()};
    return {0, 0};
}

// The options of a radio group, or null when it has none.
const TStrings* RadioOptions(const TCellGraphic& g)
{
    return dynamic_cast<const TStrings*>(g.CellBitmap());
}

// A radio group's size with the canvas's font. Vertical options stand at
// least MinOptionHeight apart.
TPoint RadioGroupSize(TCanvas& Canvas, const TCellGraphic& g, int MinOptionHeight)
{
    const TStrings* options = RadioOptions(g);
    const int count = options ? options->Count() : 0;
    const int lineHeight = Canvas.TextHeight("gh");
    if (g.CellBoolean()) {
        int width = 0;
        for (int i = 0; i < count; ++i) width += 12 + Canvas.TextWidth(options->Strings(i));
        return {width, lineHeight};
    }
    int width = 12;
    for (int i = 0; i < count; ++i) width = std::max(width, Canvas.TextWidth(options->Strings(i)) + 12);
    return {width, std::max(MinOptionHeight, lineHeight) * count};
}

bool IsCheckKind(TCellType Kind)
{
    switch (Kind) {
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

} // namespace

TPoint TQuillStringGrid::GetCellGraphicSize(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() == ctEmpty) return {0, 0};
    const std::string text = GetCellEx(ACol, ARow);
    const bool beside = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText;
    const bool over = g->CellVAlign() == vaUnderText || g->CellVAlign() == vaAboveText;
    const int displCol = DisplColIndex(ACol);
    int w = 0, h = 0;
    bool fixed = false;
    switch (g->CellType()) {
    case ctIcon:
    case ctBitmap: {
        const TPoint size = ObjectSize(*g);
        if (beside || text.empty()) w = size.X;
        // An icon keeps its height also over a text beside it.
        if (g->CellType() == ctIcon || over || text.empty()) h = size.Y;
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(displCol, ARow);
        const TPoint size = g->GetPictureSize(cell.X, cell.Y, !text.empty());
        w = size.X;
        h = size.Y;
        break;
    }
    case ctButton:
    case ctBitButton:
        w = g->ButtonWidth();
        h = g->ButtonHeight();
        if (!text.empty()) {
            if (g->CellHAlign() == haCenter) w = 0;
            if (g->CellHAlign() == haFull) w = Canvas()->TextWidth(g->CellText()) + 4;
            if (over) w = 0;
            else h = 0;
        } else if (g->CellHAlign() == haFull) {
            Canvas()->Font()->Assign(&Font());
            w = Canvas()->TextWidth(g->CellText()) + 4;
            fixed = !g->CellText().empty();
        }
        break;
    case ctInterface: {
        // No interfaced cell states a preferred size: it takes the cell.
        const TPoint cell = CellSize(displCol, ARow);
        w = cell.X;
        h = cell.Y;
        break;
    }
    case ctProgressPie:
        w = h = 20;
        break;
    case ctRadioButton:
        w = h = FControlLook->RadioSize();
        break;
    case ctRadio: {
        const TPoint size = RadioGroupSize(*Canvas(), *g, 16);
        w = size.X;
        h = size.Y;
        break;
    }
    case ctRating:
        w = g->CellAngle() * 18;
        h = 16;
        fixed = true;
        break;
    default:
        // Image lists are not kept by this grid: their kinds take no room.
        if (IsCheckKind(g->CellType())) w = h = FControlLook->CheckSize();
        break;
    }
    if (g->CellVAlign() == vaFull || (g->CellHAlign() == haFull && !fixed)) {
        const TRect r = TBaseGrid::CellRect(displCol, ARow);
        if (g->CellVAlign() == vaFull) h = r.Height();
        if (g->CellHAlign() == haFull) w = r.Width();
    }
    return {w, h};
}

TPoint TQuillStringGrid::GetCellGraphicExtent(int ACol, int ARow, int CellWidth, int CellHeight, double Scale)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() == ctEmpty) return {0, 0};
    const int displCol = DisplColIndex(ACol);
    switch (g->CellType()) {
    case ctIcon:
    case ctBitmap:
        return ObjectSize(*g);
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = g->GetPictureSize(CellWidth, CellHeight, !GetCellEx(ACol, ARow).empty());
        // A zero or negative scale leaves the size unscaled rather than dividing by it.
        const double scale = Scale > 0 ? Scale : 1.0;
        return {static_cast<int>(std::nearbyint(size.X / scale)), static_cast<int>(std::nearbyint(size.Y / scale))};
    }
    case ctButton:
    case ctBitButton:
        return {g->ButtonWidth(), g->ButtonHeight()};
    case ctInterface: {
        const TRect r = TBaseGrid::CellRect(displCol, ARow);
        return {r.Width(), r.Height()};
    }
    case ctRadioButton:
        return {FControlLook->RadioSize(), FControlLook->RadioSize()};
    case ctProgressPie:
    case ctNode:
        return {20, 20};
    case ctRadio:
        return RadioGroupSize(*Canvas(), *g, 0);
    case ctProgress:
    case ctXPProgress:
        return {ColWidths(displCol), RowHeights(ARow)};
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * FXYOffset.Y;
        return {side, side};
    }
    default:
        if (IsCheckKind(g->CellType())) return {FControlLook->CheckSize(), FControlLook->CheckSize()};
        return {0, 0};
    }
}
