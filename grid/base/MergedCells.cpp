// Cell property objects in the object slots, and merged areas: merging,
// splitting and the span queries.
#include "grid/base/BaseGrid.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace {

// Graphics of this class belong to the cell; any other graphic is the caller's.
constexpr const char* OwnedGraphicClass = "TCellGraphic";

std::string CellName(int ACol, int ARow) { return "(" + std::to_string(ACol) + ", " + std::to_string(ARow) + ")"; }

} // namespace

TCellProperties* TBaseGrid::PropsAt(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return nullptr;
    // Only property objects are ever put into the slots.
    return static_cast<TCellProperties*>(GetGridObject(ACol, ARow));
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < TotalColCount() && ARow >= 0 && ARow < RowCount() && GetGridObject(ACol, ARow);
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow)
{
    if (TObject* existing = GetGridObject(ACol, ARow)) return static_cast<TCellProperties*>(existing);
    auto* props = new TCellProperties(this, ACol, ARow);
    SetGridObject(ACol, ARow, props);
    ApplyDefaultCellProps(*props, ACol, ARow);
    return props;
}

void TBaseGrid::ApplyDefaultCellProps(TCellProperties& Props, int ACol, int ARow)
{
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetDefaultCellProps(ACol, ARow, font, brush, colorTo, mirror, mirrorTo, ha, va, wordWrap, gd);
    Props.SetCalcType(acNONE);
    Props.SetAlignment(ha);
    Props.SetVAlignment(va);
    Props.SetWordWrap(wordWrap);
    Props.SetFontName(font.Name());
    Props.SetFontSize(font.Size());
    Props.SetFontStyle(font.Style());
    Props.SetFontColor(font.Color());
    Props.SetBrushColor(brush.Color());
    Props.SetBrushColorTo(colorTo);
    Props.SetGradientDirection(gd);
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value)
{
    TObject* previous = GetGridObject(ACol, ARow);
    if (previous != Value) delete previous;
    SetGridObject(ACol, ARow, Value);
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? reinterpret_cast<TObject*>(props->CellObject()) : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value)
{
    // An empty cell holds a blank while its properties are made, so that
    // text-driven defaults see a cell in use; it is emptied again after.
    const bool wasEmpty = GetGridCell(ACol, ARow).empty();
    if (wasEmpty) SetGridCell(ACol, ARow, " ");
    GetCellProperties(ACol, ARow)->SetCellObject(reinterpret_cast<std::uintptr_t>(Value));
    if (wasEmpty) SetGridCell(ACol, ARow, "");
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value)
{
    if (ComponentState().Contains(csDestroying)) return;
    const bool wasEmpty = GetGridCell(ACol, ARow).empty();
    if (wasEmpty) SetGridCell(ACol, ARow, " ");
    GetCellProperties(ACol, ARow)->SetGraphicObject(Value);
    if (wasEmpty) SetGridCell(ACol, ARow, "");
}

void TBaseGrid::FreeCellPropertiesRect(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FHasCellProps) return;
    for (int c = FromCol; c <= ToCol; ++c)
        for (int r = FromRow; r <= ToRow; ++r) {
            auto* props = static_cast<TCellProperties*>(GetGridObject(c, r));
            if (!props) continue;
            if (TObject* graphic = props->GraphicObject(); graphic && graphic->ClassName() == OwnedGraphicClass)
                delete graphic;
            delete props;
            SetGridObject(c, r, nullptr);
        }
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow)
{
    delete GetGridObject(ACol, ARow);
    SetGridObject(ACol, ARow, nullptr);
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    BaseCol = ACol;
    BaseRow = ARow;
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->IsBaseCell()) return true;
    const TPoint base = props->GetBaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return false;
}

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY)
{
    if (SpanX >= 1 && SpanY >= 1) {
        const TRect area{ACol, ARow, ACol + SpanX - 1, ARow + SpanY - 1};
        // The area must lie in the grid: the store would take any cell, and
        // a runaway span would fill it with property objects.
        if (ACol < 0 || ARow < 0 || SpanX > TotalColCount() - ACol || SpanY > RowCount() - ARow)
            throw EListError("Merged area of " + std::to_string(SpanX) + " x " + std::to_string(SpanY) +
                             " cells at " + CellName(ACol, ARow) + " does not fit in the grid");
        // An area wholly inside the new one is absorbed; one that sticks out
        // would be left pointing into the new area, so it is refused.
        for (int c = area.Left; c <= area.Right; ++c)
            for (int r = area.Top; r <= area.Bottom; ++r) {
                const TRect old = FullCell(c, r);
                if (old.Left < area.Left || old.Top < area.Top || old.Right > area.Right || old.Bottom > area.Bottom)
                    throw EInvalidOperation("Cell " + CellName(c, r) + " belongs to a merged area that reaches " +
                                            "outside the area to merge; split it first");
            }
    }
    ++FMergeCount;
    for (int c = ACol; c < ACol + SpanX; ++c)
        for (int r = ARow; r < ARow + SpanY; ++r) {
            TCellProperties& props = *GetCellProperties(c, r);
            const bool isBase = c == ACol && r == ARow;
            props.SetIsBaseCell(isBase);
            props.SetCellSpanX(isBase ? SpanX - 1 : c - ACol);
            props.SetCellSpanY(isBase ? SpanY - 1 : r - ARow);
        }
    RepaintArea(ACol, ARow, ACol + SpanX - 1, ARow + SpanY - 1);
}

void TBaseGrid::SplitCells(int ACol, int ARow)
{
    const TCellProperties& props = *GetCellProperties(ACol, ARow);
    const TPoint base = props.GetBaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    const int spanX = baseProps ? baseProps->CellSpanX() : -1;
    const int spanY = baseProps ? baseProps->CellSpanY() : -1;
    // Spans come from merges that fit in the grid; the bounds only guard
    // against spans written directly into a property object.
    const int lastCol = std::min(base.X + spanX, TotalColCount() - 1);
    const int lastRow = std::min(base.Y + spanY, RowCount() - 1);
    for (int c = base.X; c <= lastCol; ++c)
        for (int r = base.Y; r <= lastRow; ++r)
            if (TCellProperties* covered = PropsAt(c, r)) {
                covered->SetIsBaseCell(true);
                covered->SetCellSpanX(-1);
                covered->SetCellSpanY(-1);
            }
    RepaintArea(base.X, base.Y, lastCol, lastRow);
    --FMergeCount;
}

void TBaseGrid::RepaintArea(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!HandleAllocated()) return;
    for (int c = FromCol; c <= ToCol; ++c)
        for (int r = FromRow; r <= ToRow; ++r) RepaintCell(c, r);
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    return !props || props->IsBaseCell();
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return {0, 0};
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    if (!baseProps) return {0, 0};
    return {baseProps->CellSpanX(), baseProps->CellSpanY()};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TPoint span = CellSpan(ACol, ARow);
    const TPoint base = BaseCell(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int ACol, int ARow) const
{
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    if (!PropsAt(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    return baseProps && baseProps->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    if (!PropsAt(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    return baseProps && baseProps->CellSpanY() > 0;
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int smallest = RowCount();
    for (int c = 0; c < ColCount(); ++c)
        if (const int span = CellSpan(c, ARow).Y; span > 0) smallest = std::min(smallest, span);
    return smallest;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int largest = 0;
    for (int c = 0; c < ColCount(); ++c) largest = std::max(largest, CellSpan(c, ARow).Y);
    return largest;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool shared = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
        shared = true;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    }
    return shared;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool shared = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X, span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            shared = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return shared;
}
