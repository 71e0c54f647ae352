// Walks a formula's token array and rewrites its references in place.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <span>
#include <vector>

struct TSheetInfo;

namespace xlsAdapter {

// A token the walker cannot step over or arrange; callers name what held it.
class ETokenException : public EExcelException {
public:
    explicit ETokenException(int aToken);
    int Token;
};

// Raises ETokenException for the first token of Data[Start, End) that the
// walker cannot step over, before anything is changed.
void CheckTokens(std::span<const std::uint8_t> Data, std::size_t Start, std::size_t End);

// Rows (and columns) inserted (counts > 0) or deleted (counts < 0) at
// InsRowPos (InsColPos) of sheet SheetInfo.InsSheet, combined with moving
// relative references by the copy offsets: references into that sheet
// move, areas grow or shrink, and references into deleted cells become
// deleted references (#REF!).
void ArrangeTokensInsert(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int InsRowPos,
                         int InsRowCount, int CopyRowOffset, int InsColPos, int InsColCount, int CopyColOffset,
                         const TSheetInfo& SheetInfo);
// For a copy of sheet SheetInfo.FormulaSheet placed as SheetInfo.InsSheet:
// 3-D references to the source sheet and the source sheet's names now
// point at the copy.
// Name tokens (0x23) follow the names left after some were deleted:
// NewIndex maps each old position (from 0) to the new one.
void RenumberNameTokens(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End,
                        const std::vector<int>& NewIndex);
void ArrangeTokensCopySheet(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End,
                            const TSheetInfo& SheetInfo);

// Turns a shared formula's relative references (their row and column are
// offsets from the cell) into ordinary references for the cell at (Row,
// Col). Raises "Formula at Row %d, column %d is not supported" naming the
// first token it cannot step over.
void ArrangeTokensShared(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int Row, int Col);

} // namespace xlsAdapter
