// Smart fill after a paste into a larger selection: one value fills it all;
// in a single row or column dates, decimals and integers continue as a series
// and other texts repeat the pasted block.
#include "grid/QuillGrid.h"

#include "grid/base/QuillUtilDates.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <cstdint>
#include <optional>

namespace {

bool HasTime(std::string_view Text) { return Text.find(FormatSettings().TimeSeparator) != std::string_view::npos; }
bool HasDate(std::string_view Text) { return Text.find(FormatSettings().DateSeparator) != std::string_view::npos; }

bool IsSeriesDate(std::string_view Text) { return IsDateLikeText(Text) || HasTime(Text); }

bool TryDateValue(std::string_view Text, TDateTime& Value)
{
    return HasDate(Text) ? TryStrToDateTime(Text, Value) : TryStrToTime(Text, Value);
}

// The Index-th date of a series from First: whole days, months or years when
// only that part of the first two dates differs, otherwise steps of Delta.
// Each value is taken from the first one, so a monthly series from the 31st
// comes back to the 31st after a shorter month. Nothing when out of range.
std::optional<TDateTime> SeriesDate(TDateTime First, TDateTime Second, int Index)
{
    int y1, m1, d1, y2, m2, d2;
    DecodeDate(First, y1, m1, d1);
    DecodeDate(Second, y2, m2, d2);
    const std::int64_t years = std::int64_t(y2 - y1) * Index, months = std::int64_t(m2 - m1) * Index;
    if (years < INT16_MIN || years > INT16_MAX || months < INT16_MIN || months > INT16_MAX) return std::nullopt;
    const double delta = (Second - First) * Index;
    // Whole days step as plain differences, which no 16-bit count limits.
    const std::int16_t days = d2 != d1 ? 1 : 0;
    if (days && !years && !months) return First + delta;
    try {
        const TDateTime value = IncrementDate(static_cast<std::int16_t>(years), static_cast<std::int16_t>(months), days,
                                              First, delta);
        if (value < MinDateTime || value > MaxDateTime) return std::nullopt;
        return value;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

void TQuillStringGrid::FillWithTopLeft(const TGridRect& R)
{
    std::string value = Cells(RealColIndex(R.Left), R.Top);
    bool checked = false;
    if (HasCheckBox(RealColIndex(R.Left), R.Top) && GetCheckBoxState(RealColIndex(R.Left), R.Top, checked))
        value = checked ? CheckTrue() : CheckFalse();
    BeforePasteCells();
    for (int col = R.Left; col <= R.Right; ++col)
        for (int row = R.Top; row <= R.Bottom; ++row) {
            const bool topLeft = col == R.Left && row == R.Top;
            if (PasteThroughEvents(col, row, value, !topLeft)) PastedCells({R.Left, R.Top}, {col, row, col, row}, coCopy);
        }
    AfterPasteCells();
}

void TQuillStringGrid::SmartFill(const TGridRect& R, int Pasted)
{
    // The cells of a single row or column in order.
    const bool column = R.Bottom > R.Top;
    const int count = column ? R.Bottom - R.Top + 1 : R.Right - R.Left + 1;
    auto cellAt = [&](int i) { return column ? TGridCoord{R.Left, R.Top + i} : TGridCoord{R.Left + i, R.Top}; };
    auto text = [&](int i) { return Cells(RealColIndex(cellAt(i).X), cellAt(i).Y); };
    auto write = [&](int i, const std::string& value) {
        const TGridCoord c = cellAt(i);
        if (PasteThroughEvents(c.X, c.Y, value, i > 0)) PastedCells({R.Left, R.Top}, {c.X, c.Y, c.X, c.Y}, coCopy);
    };
    const std::string first = text(0), second = text(1);
    BeforePasteCells();
    if (IsSeriesDate(first) && IsSeriesDate(second)) {
        TDateTime d1, d2;
        if (TryDateValue(first, d1) && TryDateValue(second, d2)) {
            // A date-time keeps its time; a plain date or time is written as one.
            const bool date = HasDate(first), time = HasTime(first);
            const auto show = [&](TDateTime Value) {
                return date ? (time ? DateTimeToStr(Value) : DateToStr(Value)) : TimeToStr(Value);
            };
            for (int i = 0; i < count; ++i) {
                const auto value = SeriesDate(d1, d2, i);
                if (!value) break;
                write(i, show(*value));
            }
        }
        AfterPasteCells();
        return;
    }
    const char decimal = FormatSettings().DecimalSeparator;
    std::int64_t i1, i2;
    double f1, f2;
    if (first.find(decimal) != std::string::npos || second.find(decimal) != std::string::npos) {
        if (TryStrToFloat(first, f1) && TryStrToFloat(second, f2))
            for (int i = 0; i < count; ++i) write(i, Format(FloatFormat(), {f1 + i * (f2 - f1)}));
    } else if (TryStrToInt64(first, i1) && TryStrToInt64(second, i2)) {
        for (int i = 0; i < count; ++i) write(i, IntToStr(i1 + i * (i2 - i1)));
    } else {
        // Anything else repeats the pasted cells, a whole block at a time.
        for (int i = Pasted; i < count; ++i) {
            const TGridCoord c = cellAt(i);
            if (ClipboardMayWrite(c.X, c.Y)) PasteCellText(c.X, c.Y, text(i - Pasted));
        }
        if (Pasted < count)
            PastedCells({R.Left, R.Top}, column ? TRect{R.Left, R.Top + Pasted, R.Left, R.Bottom}
                                                 : TRect{R.Left + Pasted, R.Top, R.Right, R.Top},
                        coCopy);
    }
    AfterPasteCells();
}
