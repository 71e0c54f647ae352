// The token-array walker.
#include "xlsAdapter/qorUXlsTokenArray.h"

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsNameRecord.h"
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include <algorithm>

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
    // Memory tokens cache what their sub-expression, which follows as
    // ordinary tokens, computes; they hold no reference of their own.
    case ptgMemArea:
    case ptgMemErr:
    case 0x28:
    case ptgMemAreaN:
    case 0x2F:
        return 7;
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

constexpr int MaxRow = 65535;
constexpr int MaxCol = 255;

// How one axis (rows or columns) changes.
struct TAxisMove {
    int Pos;
    int Count;
    int Offset;
    int Max;
};

// One coordinate; false when it falls into deleted cells or off the sheet.
bool MoveCoordinate(int& Value, const TAxisMove& Move, bool OnSheet, bool Relative)
{
    int value = Value;
    if (OnSheet && Move.Count != 0 && value >= Move.Pos) {
        if (Move.Count < 0 && value < Move.Pos - Move.Count)
            return false;
        value += Move.Count;
    }
    if (Relative)
        value += Move.Offset;
    if (value < 0 || value > Move.Max)
        return false;
    Value = value;
    return true;
}

// Both ends of an area along one axis: deleting cells inside the area
// shrinks it, and an area wholly inside them is lost.
bool MoveSpan(int& First, int& Last, const TAxisMove& Move, bool OnSheet, bool FirstRelative, bool LastRelative)
{
    int first = First;
    int last = Last;
    // A whole row or column stays whole whatever moves.
    const bool whole = first == 0 && last == Move.Max;
    if (!whole && OnSheet && Move.Count < 0) {
        const int end = Move.Pos - Move.Count;
        if (first >= Move.Pos && first < end && last >= Move.Pos && last < end)
            return false;
        first = first >= end ? first + Move.Count : first >= Move.Pos ? Move.Pos : first;
        last = last >= end ? last + Move.Count : last >= Move.Pos ? Move.Pos - 1 : last;
    } else if (!whole && OnSheet && Move.Count > 0) {
        if (first >= Move.Pos)
            first += Move.Count;
        if (last >= Move.Pos)
            last += Move.Count;
    }
    if (FirstRelative && !whole)
        first += Move.Offset;
    if (LastRelative && !whole)
        last += Move.Offset;
    if (first < 0 || last < 0 || first > Move.Max || last > Move.Max)
        return false;
    First = first;
    Last = last;
    return true;
}

std::uint16_t Word(std::span<const std::uint8_t> Data, std::size_t Pos)
{
    return GetWord(Data, static_cast<std::int64_t>(Pos));
}

void PutWord(std::span<std::uint8_t> Data, std::size_t Pos, int Value)
{
    SetWord(Data, static_cast<std::int64_t>(Pos), static_cast<std::uint16_t>(Value));
}

void PutColumn(std::span<std::uint8_t> Data, std::size_t Pos, int Column)
{
    PutWord(Data, Pos, (Word(Data, Pos) & ~ColumnWordColumnMask) | (Column & ColumnWordColumnMask));
}

// Turns a reference into its deleted form by its id; deleted ones stay.
void MakeDeleted(std::span<std::uint8_t> Data, std::size_t Pos)
{
    const std::uint8_t id = NormalizeTokenId(Data[Pos]);
    if (id == ptgRef || id == ptgArea)
        Data[Pos] = static_cast<std::uint8_t>(Data[Pos] + 6);
    else if (id == ptgRef3d || id == ptgArea3d)
        Data[Pos] = static_cast<std::uint8_t>(Data[Pos] + 2);
}

// A cell reference whose row word is at RowPos and column word at ColPos.
void ArrangeCell(std::span<std::uint8_t> Data, std::size_t Token, std::size_t RowPos, std::size_t ColPos,
                 const TAxisMove& Rows, const TAxisMove& Cols, bool OnSheet)
{
    const std::uint16_t colWord = Word(Data, ColPos);
    int row = Word(Data, RowPos);
    int col = colWord & ColumnWordColumnMask;
    if (!MoveCoordinate(row, Rows, OnSheet, (colWord & ColumnWordRowRelative) != 0) ||
        !MoveCoordinate(col, Cols, OnSheet, (colWord & ColumnWordColumnRelative) != 0)) {
        MakeDeleted(Data, Token);
        return;
    }
    PutWord(Data, RowPos, row);
    PutColumn(Data, ColPos, col);
}

// An area whose first row word is at At: rows, then column words.
void ArrangeArea(std::span<std::uint8_t> Data, std::size_t Token, std::size_t At, const TAxisMove& Rows,
                 const TAxisMove& Cols, bool OnSheet)
{
    const std::uint16_t firstCol = Word(Data, At + 4);
    const std::uint16_t lastCol = Word(Data, At + 6);
    int r1 = Word(Data, At);
    int r2 = Word(Data, At + 2);
    int c1 = firstCol & ColumnWordColumnMask;
    int c2 = lastCol & ColumnWordColumnMask;
    if (!MoveSpan(r1, r2, Rows, OnSheet, (firstCol & ColumnWordRowRelative) != 0,
                  (lastCol & ColumnWordRowRelative) != 0) ||
        !MoveSpan(c1, c2, Cols, OnSheet, (firstCol & ColumnWordColumnRelative) != 0,
                  (lastCol & ColumnWordColumnRelative) != 0)) {
        MakeDeleted(Data, Token);
        return;
    }
    PutWord(Data, At, r1);
    PutWord(Data, At + 2, r2);
    PutColumn(Data, At + 4, c1);
    PutColumn(Data, At + 6, c2);
}

// The sheet a 3-D reference points at, -1 when it is not one sheet of
// this workbook.
int ReferencedSheet(std::span<const std::uint8_t> Data, std::size_t Pos, const TSheetInfo& SheetInfo)
{
    return SheetInfo.GetSheet ? SheetInfo.GetSheet(Word(Data, Pos + 1)) : SheetInfo.FormulaSheet;
}

// Steps through Data[Start, End), calling Visit(position, normalised id)
// for every token.
template <typename TVisit>
void WalkTokens(std::span<const std::uint8_t> Data, std::size_t Start, std::size_t End, TVisit Visit)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), static_cast<std::int64_t>(Start),
               static_cast<std::int64_t>(End) - static_cast<std::int64_t>(Start));
    for (std::size_t pos = Start; pos < End;) {
        const std::size_t size = TokenSize(Data, pos);
        if (size == 0 || pos + size > End)
            throw ETokenException(Data[pos]);
        Visit(pos, NormalizeTokenId(Data[pos]));
        pos += size;
    }
}

} // namespace

ETokenException::ETokenException(int aToken)
    : EExcelException(FormatMessage(msg::UnsupportedToken, static_cast<unsigned>(aToken))), Token(aToken)
{
}

void CheckTokens(std::span<const std::uint8_t> Data, std::size_t Start, std::size_t End)
{
    WalkTokens(Data, Start, End, [](std::size_t, std::uint8_t) {});
}

void ArrangeTokensInsert(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int InsRowPos,
                         int InsRowCount, int CopyRowOffset, int InsColPos, int InsColCount, int CopyColOffset,
                         const TSheetInfo& SheetInfo)
{
    CheckTokens(Data, Start, End);
    const TAxisMove rows{InsRowPos, InsRowCount, CopyRowOffset, MaxRow};
    const TAxisMove cols{InsColPos, InsColCount, CopyColOffset, MaxCol};
    const bool ownSheet = SheetInfo.FormulaSheet == SheetInfo.InsSheet;
    WalkTokens(Data, Start, End, [&](std::size_t pos, std::uint8_t id) {
        switch (id) {
        case ptgRef:
        case ptgRefErr:
            ArrangeCell(Data, pos, pos + 1, pos + 3, rows, cols, ownSheet);
            break;
        case ptgArea:
        case ptgAreaErr:
            ArrangeArea(Data, pos, pos + 1, rows, cols, ownSheet);
            break;
        case ptgRef3d:
        case ptgRefErr3d:
            ArrangeCell(Data, pos, pos + 3, pos + 5, rows, cols,
                        ReferencedSheet(Data, pos, SheetInfo) == SheetInfo.InsSheet);
            break;
        case ptgArea3d:
        case ptgAreaErr3d:
            ArrangeArea(Data, pos, pos + 3, rows, cols, ReferencedSheet(Data, pos, SheetInfo) == SheetInfo.InsSheet);
            break;
        case ptgExp:
        case ptgTbl: {
            // The anchor names the cell that holds the shared or array
            // formula, which always moves with its sheet.
            if (!ownSheet)
                break;
            int row = Word(Data, pos + 1);
            int col = Word(Data, pos + 3);
            if (!MoveCoordinate(row, rows, true, true) || !MoveCoordinate(col, cols, true, true))
                throw ETokenException(Data[pos]);
            PutWord(Data, pos + 1, row);
            PutWord(Data, pos + 3, col);
            break;
        }
        default:
            break;
        }
    });
}

void RenumberNameTokens(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End,
                        const std::vector<int>& NewIndex)
{
    CheckTokens(Data, Start, End);
    WalkTokens(Data, Start, End, [&](std::size_t pos, std::uint8_t id) {
        if (id != ptgName)
            return;
        const int index = Word(Data, pos + 1) - 1;
        if (index >= 0 && index < static_cast<int>(NewIndex.size()) && NewIndex[static_cast<std::size_t>(index)] >= 0)
            PutWord(Data, pos + 1, NewIndex[static_cast<std::size_t>(index)] + 1);
    });
}

void ArrangeTokensCopySheet(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End,
                            const TSheetInfo& SheetInfo)
{
    CheckTokens(Data, Start, End);
    WalkTokens(Data, Start, End, [&](std::size_t pos, std::uint8_t id) {
        if ((id == ptgRef3d || id == ptgRefErr3d || id == ptgArea3d || id == ptgAreaErr3d) && SheetInfo.GetSheet &&
            SheetInfo.SetSheet && SheetInfo.GetSheet(Word(Data, pos + 1)) == SheetInfo.FormulaSheet) {
            PutWord(Data, pos + 1, SheetInfo.SetSheet(SheetInfo.InsSheet));
        } else if (id == ptgName && SheetInfo.Names) {
            const int index = Word(Data, pos + 1) - 1;
            const TNameRecordList& names = *SheetInfo.Names;
            if (index < 0 || index >= names.Count())
                return;
            const TNameRecord& name = *names.Items(index);
            if (name.RangeSheet() != SheetInfo.FormulaSheet && name.RangeSheet() != -1)
                return;
            const std::u16string text = UpperCaseUnicode(name.Name());
            for (int i = 0; i < names.Count(); ++i) {
                if (names.Items(i)->RangeSheet() == SheetInfo.InsSheet &&
                    UpperCaseUnicode(names.Items(i)->Name()) == text) {
                    PutWord(Data, pos + 1, i + 1);
                    break;
                }
            }
        }
    });
}

void ArrangeTokensShared(std::span<std::uint8_t> Data, std::size_t Start, std::size_t End, int Row, int Col)
{
    try {
        CheckTokens(Data, Start, End);
    } catch (const ETokenException& e) {
        ExcelError(msg::UnsupportedFormula, Row + 1, Col + 1, static_cast<unsigned>(e.Token));
    }
    WalkTokens(Data, Start, End, [&](std::size_t pos, std::uint8_t id) {
        if (id == ptgRefN) {
            Data[pos] = static_cast<std::uint8_t>(Data[pos] - 8);
            MoveCorner(Data, pos + 1, pos + 3, Row, Col);
        } else if (id == ptgAreaN) {
            Data[pos] = static_cast<std::uint8_t>(Data[pos] - 8);
            MoveCorner(Data, pos + 1, pos + 5, Row, Col);
            MoveCorner(Data, pos + 3, pos + 7, Row, Col);
        }
    });
}

} // namespace xlsAdapter
