// The token-array walker.
#include "xlsAdapter/qorUXlsTokenArray.h"

#include "xlsAdapter/qorXlsFormulaMessages.h"

namespace xlsAdapter {
namespace {

// The size of the token at Pos, id included; 0 for a token the walker
// cannot step over.
std::size_t TokenSize(std::span<const std::uint8_t> Data, std::size_t Pos)
{
    const std::uint8_t id = NormalizeTokenId(Data[Pos]);
    if (id >= ptgAdd && id <= ptgMissArg)
        return 1;
    switch (id) {
    case ptgStr: {
        CheckRange(static_cast<std::int64_t>(Data.size()), static_cast<std::int64_t>(Pos), 3);
        const std::size_t chars = Data[Pos + 1];
        return 3 + chars * ((Data[Pos + 2] & 1) != 0 ? 2 : 1);
    }
    case ptgAttr: {
        CheckRange(static_cast<std::int64_t>(Data.size()), static_cast<std::int64_t>(Pos), 4);
        if ((Data[Pos + 1] & attrChoose) != 0)
            return 4 + (static_cast<std::size_t>(GetWord(Data, static_cast<std::int64_t>(Pos) + 2)) + 1) * 2;
        return 4;
    }
    case ptgErr:
    case ptgBool:
        return 2;
    case ptgInt:
    case ptgFunc:
    case ptgMemFunc:
        return 3;
    case ptgFuncVar:
        return 4;
    case ptgNum:
        return 9;
    case ptgArray:
        return 8;
    case ptgExp:
    case ptgTbl:
    case ptgName:
    case ptgRef:
    case ptgRefErr:
    case ptgRefN:
        return 5;
    case ptgArea:
    case ptgAreaErr:
    case ptgAreaN:
        return 9;
    case ptgNameX:
    case ptgRef3d:
    case ptgRefErr3d:
        return 7;
    case ptgArea3d:
    case ptgAreaErr3d:
        return 11;
    default:
        return 0;
    }
}

// Moves one corner of a relative reference by the cell's position.
void MoveCorner(std::span<std::uint8_t> Data, std::size_t RowPos, std::size_t ColPos, int Row, int Col)
{
    const std::uint16_t colWord = GetWord(Data, static_cast<std::int64_t>(ColPos));
    if ((colWord & ColumnWordRowRelative) != 0)
        SetWord(Data, static_cast<std::int64_t>(RowPos),
                static_cast<std::uint16_t>(GetWord(Data, static_cast<std::int64_t>(RowPos)) + Row));
    if ((colWord & ColumnWordColumnRelative) != 0)
        SetWord(Data, static_cast<std::int64_t>(ColPos),
                static_cast<std::uint16_t>((colWord & ~ColumnWordColumnMask) | ((colWord + Col) & ColumnWordColumnMask)));
}

} // namespace

void ArrangeTokensShared(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int Row, int Col)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), static_cast<std::int64_t>(Start),
               static_cast<std::int64_t>(End) - static_cast<std::int64_t>(Start));
    for (std::size_t pos = Start; pos < End;) {
        const std::size_t size = TokenSize(Data, pos);
        if (size == 0 || pos + size > End)
            ExcelError(msg::UnsupportedFormula, Row + 1, Col + 1, static_cast<unsigned>(Data[pos]));
        const std::uint8_t id = NormalizeTokenId(Data[pos]);
        if (id == ptgRefN) {
            Data[pos] = static_cast<std::uint8_t>(Data[pos] - 8);
            MoveCorner(Data, pos + 1, pos + 3, Row, Col);
        } else if (id == ptgAreaN) {
            Data[pos] = static_cast<std::uint8_t>(Data[pos] - 8);
            MoveCorner(Data, pos + 1, pos + 5, Row, Col);
            MoveCorner(Data, pos + 3, pos + 7, Row, Col);
        }
        pos += size;
    }
}

} // namespace xlsAdapter
