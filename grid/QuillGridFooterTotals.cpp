// The running values behind one footer cell.
#include "grid/QuillGridFooterTotals.h"

#include <algorithm>
#include <cmath>

namespace grid {

bool TFooterTotals::WantsNumbers(TColumnCalcType Calc)
{
    return Calc == acSUM || Calc == acAVG || Calc == acMIN || Calc == acMAX || Calc == acSTDDEV;
}

bool TFooterTotals::WantsTexts(TColumnCalcType Calc) { return Calc == acDISTINCT; }

TFooterTotals::TFooterTotals(TColumnCalcType Calc, const std::vector<TFooterCellValue>& Values) : FCalc(Calc)
{
    if (Calc == acSTDDEV) {
        // The mean of the first values is the shift, so the first result
        // is the two-pass deviation.
        double sum = 0;
        int count = 0;
        for (const TFooterCellValue& value : Values)
            if (value.HasNumber) {
                sum += value.Number;
                ++count;
            }
        FShift = count == 0 ? 0 : sum / count;
    }
    for (const TFooterCellValue& value : Values) Add(value);
}

void TFooterTotals::Add(const TFooterCellValue& Value)
{
    if (!Value.Counted) return;
    if (WantsTexts(FCalc)) {
        ++FTexts[Value.Folded];
        return;
    }
    if (!Value.HasNumber) return;
    ++FCount;
    const double shifted = Value.Number - FShift;
    FSum += shifted;
    FSquares += shifted * shifted;
    if (FCalc == acMIN || FCalc == acMAX) ++FNumbers[Value.Number];
}

void TFooterTotals::Remove(const TFooterCellValue& Value)
{
    if (!Value.Counted) return;
    if (WantsTexts(FCalc)) {
        const auto text = FTexts.find(Value.Folded);
        if (text != FTexts.end() && --text->second == 0) FTexts.erase(text);
        return;
    }
    if (!Value.HasNumber) return;
    --FCount;
    const double shifted = Value.Number - FShift;
    FSum -= shifted;
    FSquares -= shifted * shifted;
    if (FCalc == acMIN || FCalc == acMAX) {
        const auto number = FNumbers.find(Value.Number);
        if (number != FNumbers.end() && --number->second == 0) FNumbers.erase(number);
    }
    // Without values the sums are exactly 0, not what rounding left over.
    if (FCount == 0) FSum = FSquares = 0;
}

double TFooterTotals::Result() const
{
    if (FCalc == acDISTINCT) return static_cast<double>(FTexts.size());
    if (FCount == 0) return 0;
    switch (FCalc) {
    case acSUM: return FSum + FShift * FCount;
    case acAVG: return FSum / FCount + FShift;
    case acMIN: return FNumbers.begin()->first;
    case acMAX: return FNumbers.rbegin()->first;
    case acSTDDEV: {
        const double mean = FSum / FCount;
        return std::sqrt(std::max(0.0, FSquares / FCount - mean * mean));
    }
    default: return 0;
    }
}

} // namespace grid
