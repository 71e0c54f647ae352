// The running values behind one footer cell, kept in step with edits and
// with rows coming and going, so that the footer never re-reads its column.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "grid/base/GridEnums.h"

class TCellProperties;

namespace grid {

// What one cell gives a footer statistic: its number, when it holds one,
// and its folded text for the distinct count. A cell covered by a merged
// area gives nothing: its base cell stands for it.
struct TFooterCellValue {
    bool Counted = true;
    bool HasNumber = false;
    double Number = 0;
    std::string Folded;
};

// Whether shown rows were just inserted or are about to be removed.
enum class TRowChange { Inserted, Removing };

class TFooterTotals {
public:
    // Starts from the values of every row of the column at once.
    TFooterTotals(TColumnCalcType Calc, const std::vector<TFooterCellValue>& Values);

    // Which cell values the calculation reads.
    static bool WantsNumbers(TColumnCalcType Calc);
    static bool WantsTexts(TColumnCalcType Calc);
    // Whether the calculation is kept by running totals at all.
    static bool Tracks(TColumnCalcType Calc) { return WantsNumbers(Calc) || WantsTexts(Calc); }

    TColumnCalcType Calc() const noexcept { return FCalc; }
    void Add(const TFooterCellValue& Value);
    void Remove(const TFooterCellValue& Value);
    // The statistic as a full pass over the same values gives it; 0 without values.
    double Result() const;

    // What the totals were taken for: the footer cell's property object,
    // the number of rows, of the hidden rows left out and of the fixed rows. A footer that no longer
    // matches is calculated afresh.
    const TCellProperties* Footer = nullptr;
    int Rows = 0;
    int Hidden = 0;
    // The first counted row: the fixed rows above it are left out.
    int First = 0;

private:
    TColumnCalcType FCalc;
    int FCount = 0;
    // Sums of the numbers less a shift near their mean, which keeps the
    // deviation exact enough when values are large and close together.
    double FShift = 0;
    double FSum = 0;
    double FSquares = 0;
    // How often each number (minimum, maximum) or folded text (distinct) occurs.
    std::map<double, int> FNumbers;
    std::unordered_map<std::string, int> FTexts;
};

// The totals of each tracked footer cell, by real column.
struct TFooterTotalsMap : std::unordered_map<int, TFooterTotals> {};

} // namespace grid
