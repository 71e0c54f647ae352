// Cell access of the string grid: shown and stored texts, real-row access,
// typed values, edit text and the current cell.
#include "grid/QuillGrid.h"

#include <algorithm>
#include <cmath>

#include "grid/base/AuxLists.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/base/QuillUtilHtml.h"
#include "grid/base/QuillUtilParse.h"
#include "grid/base/QuillUtilText.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLUtils.h"

namespace {

// Tried in this order; the first marker found in the text is anchored.
constexpr const char* UrlMarkers[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};

} // namespace

bool grid::TryCellFloat(std::string_view Text, double& Value)
{
    std::string s = NormalizeNumberText(Text);
    Value = 0;
    if (s.empty() || s == "-") return true;
    return TryStrToFloat(s, Value, InvariantFormatSettings()) && std::isfinite(Value);
}

void TQuillStringGrid::DoGetDisplText(int ACol, int ARow, std::string& Value)
{
    TBaseGrid::DoGetDisplText(ACol, ARow, Value);
    if (FURLShowInText) {
        std::string anchored;
        for (const char* marker : UrlMarkers)
            if (WrapURLInAnchor(Value, marker, anchored)) {
                Value = std::move(anchored);
                break;
            }
    }
}

void TQuillStringGrid::SetURLShowInText(bool Value)
{
    if (Value == FURLShowInText) return;
    FURLShowInText = Value;
    Invalidate();
}

// Real-row access.

std::string TQuillStringGrid::AllCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return {};
    if (IsHiddenRow(ARow)) {
        std::string text = FRowStore->Text(ACol, ARow);
        DoGetDisplText(ACol, ARow, text);
        return text;
    }
    return GetCellEx(ACol, DisplRowIndex(ARow));
}

void TQuillStringGrid::SetAllCells(int ACol, int ARow, const std::string& Value)
{
    if (IsHiddenRow(ARow)) {
        StoreCellText(ACol, ARow, Value);
        return;
    }
    SetCellEx(ACol, DisplRowIndex(ARow), Value);
    RepaintShownColumn(ACol, DisplRowIndex(ARow));
}

std::string TQuillStringGrid::AllGridCells(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return {};
    return FRowStore->Text(ACol, ARow);
}

void TQuillStringGrid::SetAllGridCells(int ACol, int ARow, const std::string& Value)
{
    StoreCellText(ACol, ARow, Value);
    if (!IsHiddenRow(ARow)) RepaintShownColumn(ACol, DisplRowIndex(ARow));
}

void TQuillStringGrid::RepaintShownColumn(int ARealCol, int ARow)
{
    if (!IsHiddenColumn(ARealCol)) RepaintCell(FColumnMap->RealToDispl(ARealCol), ARow);
}

std::u16string TQuillStringGrid::AllWideCells(int ACol, int ARow) { return rtl::Utf8ToUtf16(AllCells(ACol, ARow)); }

void TQuillStringGrid::SetAllWideCells(int ACol, int ARow, const std::u16string& Value)
{
    SetAllCells(ACol, ARow, rtl::Utf16ToUtf8(Value));
}

TObject* TQuillStringGrid::AllObjects(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return nullptr;
    const auto* props = dynamic_cast<const TCellProperties*>(FRowStore->Object(ACol, ARow));
    return props ? reinterpret_cast<TObject*>(props->CellObject()) : nullptr;
}

void TQuillStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value)
{
    if (IsHiddenRow(ARow)) {
        // A hidden row keeps its property object; the user object goes into it.
        auto* props = dynamic_cast<TCellProperties*>(FRowStore->Object(ACol, ARow));
        if (!props) {
            props = new TCellProperties(this, ACol, ARow);
            FRowStore->SetObject(ACol, ARow, props);
        }
        props->SetCellObject(reinterpret_cast<std::uintptr_t>(Value));
        return;
    }
    SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

int TQuillStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol)) return FColumnMap->Width(ACol);
    const int displ = FColumnMap->RealToDispl(ACol);
    return displ >= 0 && displ < ColCount() ? ColWidths(displ) : 0;
}

void TQuillStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0) return;
    FColumnMap->SetWidth(ACol, Value);
    if (!IsHiddenColumn(ACol)) {
        const int displ = FColumnMap->RealToDispl(ACol);
        if (displ < ColCount()) SetColWidths(displ, Value);
    }
}

// Typed values.

int TQuillStringGrid::CheckedInt(const std::string& Text) const
{
    std::string s = Trim(Text);
    if (s.empty() || s == "-") return 0;
    std::int32_t value = 0;
    if (!TryStrToInt(s, value)) throw EQuillGridError("Cell does not contain integer value");
    return value;
}

double TQuillStringGrid::CheckedFloat(const std::string& Text) const
{
    double value = 0;
    if (!grid::TryCellFloat(Text, value)) throw EQuillGridError("Cell does not contain a float value");
    return value;
}

int TQuillStringGrid::Ints(int ACol, int ARow) { return CheckedInt(GetCellEx(ACol, ARow)); }

void TQuillStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCellEx(ACol, ARow, IntToStr(Value));
    if (NumHiddenColumns() > 0) RepaintShownColumn(ACol, ARow);
}

int TQuillStringGrid::AllInts(int ACol, int ARow) { return CheckedInt(AllCells(ACol, ARow)); }

void TQuillStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, IntToStr(Value)); }

double TQuillStringGrid::Floats(int ACol, int ARow) { return CheckedFloat(GetCellEx(ACol, ARow)); }

void TQuillStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    SetCellEx(ACol, ARow, Format(FFloatFormat, {Value}));
}

double TQuillStringGrid::AllFloats(int ACol, int ARow) { return CheckedFloat(AllCells(ACol, ARow)); }

void TQuillStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCells(ACol, ARow, Format(FFloatFormat, {Value}));
}

TDateTime TQuillStringGrid::Dates(int ACol, int ARow) { return StrToDate(GetCellEx(ACol, ARow)); }

void TQuillStringGrid::SetDates(int ACol, int ARow, TDateTime Value)
{
    SetCellEx(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : std::string());
}

TDateTime TQuillStringGrid::Times(int ACol, int ARow) { return StrToTime(GetCellEx(ACol, ARow)); }

void TQuillStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeToStr(Value)); }

std::u16string TQuillStringGrid::WideCells(int ACol, int ARow) const { return rtl::Utf8ToUtf16(Cells(ACol, ARow)); }

void TQuillStringGrid::SetWideCells(int ACol, int ARow, const std::u16string& Value)
{
    SetCells(ACol, ARow, rtl::Utf16ToUtf8(Value));
}

std::string TQuillStringGrid::StrippedCells(int ACol, int ARow) { return StripHTMLMarkup(GetCellEx(ACol, ARow)); }

int TQuillStringGrid::LinesInCell(int ACol, int ARow) { return CountLines(GetCellEx(ACol, ARow), true); }

std::string TQuillStringGrid::OriginalCells(int ACol, int ARow)
{
    const int position = ColumnPosition(ACol);
    return GetCellEx(position < 0 ? ACol : position, ARow);
}

void TQuillStringGrid::SetOriginalCells(int ACol, int ARow, const std::string& Value)
{
    const int position = ColumnPosition(ACol);
    SetCellEx(position < 0 ? ACol : position, ARow, Value);
}

// The record of original places names real rows, so the row found is real
// and is read as such, hidden or shown.
int TQuillStringGrid::UnSortedRowIndex(int ARow) const
{
    const auto found = std::find(FSortRowXRef.begin(), FSortRowXRef.end(), ARow);
    return FSortRowXRef.empty() ? ARow : static_cast<int>(found - FSortRowXRef.begin());
}

int TQuillStringGrid::SortedRowIndex(int ARow) const
{
    // The record is kept by real row and names real rows.
    const int real = RealRowIndex(ARow);
    const bool recorded = real >= 0 && real < static_cast<int>(FSortRowXRef.size());
    return recorded ? FSortRowXRef[static_cast<std::size_t>(real)] : real;
}

int TQuillStringGrid::UnSortedCellRow(int ARow) const
{
    const int n = static_cast<int>(FSortRowXRef.size());
    return n >= ARow && n != 0 ? UnSortedRowIndex(ARow) : ARow;
}

std::string TQuillStringGrid::UnSortedCells(int ACol, int ARow) { return AllCells(ACol, UnSortedCellRow(ARow)); }

void TQuillStringGrid::SetUnSortedCells(int ACol, int ARow, const std::string& Value)
{
    SetAllCells(ACol, UnSortedCellRow(ARow), Value);
}

// Edit text and the current cell.

std::string TQuillStringGrid::ProvideEditText(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    std::string text = GetGridCell(RealColIndex(base.X), base.Y);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return FEditWithTags ? text : StripHTMLMarkup(text);
}

void TQuillStringGrid::ApplyEditText(int ACol, int ARow, const std::string& Value)
{
    const TPoint base = BaseCell(ACol, ARow);
    SetGridCell(RealColIndex(base.X), base.Y, Value);
    TDrawGrid::ApplyEditText(ACol, ARow, Value);
}

std::string TQuillStringGrid::CurrentCell()
{
    const TPoint base = BaseCell(Col(), Row());
    return GetGridCell(RealColIndex(base.X), base.Y);
}

void TQuillStringGrid::SetCurrentCell(const std::string& Value)
{
    const TPoint base = BaseCell(Col(), Row());
    SetCellEx(RealColIndex(base.X), base.Y, Value);
}

std::string TQuillStringGrid::GetCurrentCellValue()
{
    const TPoint base = BaseCell(Col(), Row());
    return GetCellEx(RealColIndex(base.X), base.Y);
}

void TQuillStringGrid::SetCurrentCellValue(const std::string& Value)
{
    const TPoint base = BaseCell(Col(), Row());
    ApplyEditText(base.X, base.Y, Value);
}
