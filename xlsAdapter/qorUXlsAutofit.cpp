// Measures of cells for fitting rows and columns, and the worksheet's
// row-height and column-width recalculation.
#include "xlsAdapter/qorUXlsAutofit.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUVyxNumberFormat.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorUXlsXF.h"

#include <algorithm>
#include <cmath>

using namespace xlsAdapter;

namespace {

// A line is its font's height and a quarter more for leading: the standard
// 10-point font gives the standard row of 255 twips.
constexpr double LineSpacing = 255.0 / 200.0;
// Room around the text inside the cell, in 1/256 characters.
constexpr int CellPadding = 182;
constexpr int MaxRowHeight = 32767;
constexpr int MaxColWidth = 255 * 256;

// Lengths of the lines of Text, in characters.
template <typename Visit>
void ForEachLine(const std::u16string& Text, Visit visit)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = Text.find(u'\n', start);
        visit((end == std::u16string::npos ? Text.size() : end) - start);
        if (end == std::u16string::npos)
            return;
        start = end + 1;
    }
}

int Adjusted(double Value, double Adjustment)
{
    // A negative adjustment or one of 1 leaves the measure as it is.
    if (Adjustment >= 0 && Adjustment != 1)
        Value = std::nearbyint(Value * Adjustment);
    return static_cast<int>(Value);
}

} // namespace

TCellMeasure::TCellMeasure(TWorkbookGlobals& aGlobals) : FGlobals(aGlobals)
{
    if (FGlobals.Fonts().Count() > 0 && FGlobals.Fonts().GetItems(0)->VyxFont().Size20 > 0)
        FStandardSize20 = FGlobals.Fonts().GetItems(0)->VyxFont().Size20;
}

const TCellMeasure::TLook& TCellMeasure::Look(int XF)
{
    const auto known = FLooks.find(XF);
    if (known != FLooks.end())
        return known->second;
    TLook look;
    TXFRecordList& xfs = FGlobals.XF();
    if (XF >= 0 && XF < xfs.Count()) {
        const TVyxFormat format = xfs.GetItems(XF)->VyxFormat(FGlobals.Fonts(), FGlobals.Formats());
        const int size20 = format.Font.Size20 > 0 ? format.Font.Size20 : FStandardSize20;
        look.Scale = static_cast<double>(size20) / FStandardSize20;
        // Bold glyphs are about a tenth wider.
        if (format.Font.Style.Contains(flsBold))
            look.Scale *= 1.1;
        look.LineHeight = static_cast<int>(std::lround(size20 * LineSpacing));
        look.Wrap = format.WrapText;
        look.Format = format.Format;
    }
    return FLooks.emplace(XF, std::move(look)).first->second;
}

std::u16string TCellMeasure::ShownText(const Variant& Value, const TLook& Look) const
{
    if (Value.IsEmpty())
        return {};
    int color = 0;
    return rtl::Utf8ToUtf16(
        ApplyNumberFormat(Value, Look.Format.empty() ? "General" : Look.Format, FGlobals.Is1904(), nullptr, color));
}

int TCellMeasure::CellHeight(const Variant& Value, int XF, int ColWidth)
{
    const TLook& look = Look(XF);
    if (!look.Wrap)
        return look.LineHeight;
    // Wrapped text takes as many lines as its paragraphs need in the column.
    const double charsPerLine = std::max(1.0, (ColWidth - CellPadding) / (256.0 * look.Scale));
    long lines = 0;
    ForEachLine(ShownText(Value, look), [&](std::size_t length) {
        lines += std::max(1L, static_cast<long>(std::ceil(length / charsPerLine)));
    });
    return static_cast<int>(std::min<long>(MaxRowHeight, std::max(1L, lines) * look.LineHeight));
}

int TCellMeasure::CellWidth(const Variant& Value, int XF)
{
    const TLook& look = Look(XF);
    std::size_t longest = 0;
    ForEachLine(ShownText(Value, look), [&](std::size_t length) { longest = std::max(longest, length); });
    if (longest == 0)
        return 0;
    return std::min(MaxColWidth, static_cast<int>(std::lround(longest * 256 * look.Scale)) + CellPadding);
}

void TWorkSheet::RecalcRowHeights(int Row1, int Row2, bool Forced, bool KeepAutoFit, double Adjustment)
{
    TCellMeasure measure(*FWorkbookGlobals);
    TRowRecordList& rows = FCells.RowList();
    const TCellList& cells = FCells.CellList();
    const int last = std::min(Row2, rows.Count() - 1);
    for (int row = std::max(Row1, 0); row <= last; ++row) {
        if (!rows.HasRow(row))
            continue;
        TRowEntry& record = *rows.GetItems(row);
        if (!Forced && !record.IsAutoHeight())
            continue;
        const int rowFormat = GetRowFormat(row);
        int height = measure.CellHeight({}, rowFormat < 0 ? 15 : rowFormat, 0);
        if (const TCellRecordList* list = cells.CellRow(row))
            for (int i = 0; i < list->Count(); ++i)
                height = std::max(height,
                                  measure.CellHeight(list->GetValue(i), list->XF(i), GetColWidth(list->Column(i))));
        record.SetHeight(static_cast<std::uint16_t>(std::min(MaxRowHeight, Adjusted(height, Adjustment))));
        if (!KeepAutoFit)
            record.ManualHeight();
    }
}

void TWorkSheet::RecalcColWidths(int Col1, int Col2, bool IgnoreStrings, double Adjustment)
{
    TCellMeasure measure(*FWorkbookGlobals);
    const int first = std::max(Col1, 0);
    const int last = std::min(Col2, 255);
    if (first > last)
        return;
    std::vector<int> widths(static_cast<std::size_t>(last - first + 1), 0);
    const TCellList& cells = FCells.CellList();
    for (int row = 0; row < cells.Count(); ++row) {
        const TCellRecordList* list = cells.CellRow(row);
        for (int i = 0; list && i < list->Count(); ++i) {
            const int col = list->Column(i);
            if (col < first || col > last)
                continue;
            const Variant value = list->GetValue(i);
            if (IgnoreStrings && value.VarType() == varString)
                continue;
            int& width = widths[static_cast<std::size_t>(col - first)];
            width = std::max(width, measure.CellWidth(value, list->XF(i)));
        }
    }
    // Columns without anything to show keep their width.
    for (int col = first; col <= last; ++col)
        if (const int width = widths[static_cast<std::size_t>(col - first)]; width > 0)
            SetColWidth(col, std::min(MaxColWidth, Adjusted(width, Adjustment)));
}
