#include "xlsAdapter/qorUXlsSheetAnchors.h"

#include "xlsAdapter/qorUXlsDrawingBytes.h"

#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <algorithm>
#include <cmath>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t ClientAnchorId = 0xF010;
constexpr int AnchorSize = 18;
constexpr int MaxCol = 255;
constexpr int MaxRow = 65535;

TClientAnchor ReadAnchor(const TDrawingBytes& Bytes, std::int64_t Offset)
{
    std::uint16_t w[9];
    for (int i = 0; i < 9; ++i)
        w[i] = static_cast<std::uint16_t>(Bytes.Get(Offset + 2 * i, 2));
    return {w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8]};
}

void WriteAnchor(const TDrawingBytes& Bytes, std::int64_t Offset, const TClientAnchor& A)
{
    const std::uint16_t w[9] = {A.Flag, A.Col1, A.Dx1, A.Row1, A.Dy1, A.Col2, A.Dx2, A.Row2, A.Dy2};
    for (int i = 0; i < 9; ++i)
        Bytes.Set(Offset + 2 * i, 2, w[i]);
}

// Offsets of the anchor bodies.
std::vector<std::int64_t> FindAnchors(const TDrawingBytes& Bytes)
{
    std::vector<std::int64_t> found;
    ForEachEscherRecord(Bytes, [&](const TEscherHeader& header) {
        if (!header.IsContainer() && header.Id == ClientAnchorId && header.Size >= AnchorSize &&
            header.Body() + AnchorSize <= Bytes.Size())
            found.push_back(header.Body());
    });
    return found;
}

std::int64_t RoundEven(double Value) { return static_cast<std::int64_t>(std::nearbyint(Value)); }

// Sheet units along one axis: column widths or row heights, hidden ones 0.
struct TAxis {
    const TWorkSheet& Sheet;
    bool Rows;
    int Last;
    int Whole; // offset units in one cell

    std::int64_t Size(int Index) const
    {
        return Rows ? Sheet.GetRowHeight(Index, true) : Sheet.GetColWidth(Index, true);
    }
    std::int64_t ToAbsolute(int Index, int Offset) const
    {
        std::int64_t start = 0;
        for (int i = 0; i < Index; ++i)
            start += Size(i);
        return start + RoundEven(static_cast<double>(Offset) * static_cast<double>(Size(Index)) / Whole);
    }
    void FromAbsolute(std::int64_t X, std::uint16_t& Index, std::uint16_t& Offset) const
    {
        Index = 0;
        Offset = 0;
        if (X < 0)
            return;
        std::int64_t start = 0;
        int i = 0;
        while (i < Last && start + Size(i) <= X) {
            start += Size(i);
            ++i;
        }
        Index = static_cast<std::uint16_t>(i);
        const std::int64_t size = Size(i);
        if (size <= 0)
            return;
        // A whole column is 1024 units; a whole row tops out at 255.
        const std::int64_t units = RoundEven(static_cast<double>(X - start) / static_cast<double>(size) * Whole);
        Offset = static_cast<std::uint16_t>(std::min<std::int64_t>(units, Whole));
    }
};

TAxis Columns(const TWorkSheet& Sheet) { return {Sheet, false, MaxCol, 1024}; }
TAxis Rows(const TWorkSheet& Sheet) { return {Sheet, true, MaxRow, 255}; }

// A corner at or after Pos moves by Count, clamped to Pos..Max; a corner
// inside deleted cells lands on Pos with no offset.
void MoveCorner(std::uint16_t& Index, std::uint16_t& Offset, int Pos, int Count, int Max)
{
    if (Index < Pos)
        return;
    if (Index + Count < Pos)
        Offset = 0;
    IncWordClamped(Index, Count, Max, Pos);
}

// The second corner follows the distance the first one actually moved.
void MoveBoth(std::uint16_t& Index1, std::uint16_t& Offset1, std::uint16_t& Index2, int Pos, int Count, int Max)
{
    if (Index1 < Pos)
        return;
    const int before = Index1;
    MoveCorner(Index1, Offset1, Pos, Count, Max);
    IncWordClamped(Index2, Index1 - before, Max, Index1);
}

} // namespace

void TSheetAnchors::Load(const std::vector<const TBaseRecordList*>& Lists, const TWorkSheet& Sheet)
{
    const TDrawingBytes bytes = TDrawingBytes::OfSheet(Lists);
    FAnchors.clear();
    for (const std::int64_t offset : FindAnchors(bytes)) {
        const TClientAnchor a = ReadAnchor(bytes, offset);
        TSavedAnchor saved{offset};
        if ((a.Flag & 3) != 0) {
            saved.X1 = Columns(Sheet).ToAbsolute(a.Col1, a.Dx1);
            saved.X2 = Columns(Sheet).ToAbsolute(a.Col2, a.Dx2);
            saved.Y1 = Rows(Sheet).ToAbsolute(a.Row1, a.Dy1);
            saved.Y2 = Rows(Sheet).ToAbsolute(a.Row2, a.Dy2);
        }
        FAnchors.push_back(saved);
    }
}

std::vector<TClientAnchor> TSheetAnchors::Anchors(const std::vector<const TBaseRecordList*>& Lists) const
{
    const TDrawingBytes bytes = TDrawingBytes::OfSheet(Lists);
    std::vector<TClientAnchor> anchors;
    for (const TSavedAnchor& saved : FAnchors)
        anchors.push_back(ReadAnchor(bytes, saved.Offset));
    return anchors;
}

void TSheetAnchors::RestoreObjectCoords(const std::vector<const TBaseRecordList*>& Lists,
                                        const TWorkSheet& Sheet) const
{
    const TDrawingBytes bytes = TDrawingBytes::OfSheet(Lists);
    const TAxis cols = Columns(Sheet);
    const TAxis rows = Rows(Sheet);
    for (auto it = FAnchors.rbegin(); it != FAnchors.rend(); ++it) {
        TClientAnchor a = ReadAnchor(bytes, it->Offset);
        switch (a.Flag & 3) {
        case 0:
            continue;
        case 3:
            cols.FromAbsolute(it->X1, a.Col1, a.Dx1);
            cols.FromAbsolute(it->X2, a.Col2, a.Dx2);
            rows.FromAbsolute(it->Y1, a.Row1, a.Dy1);
            rows.FromAbsolute(it->Y2, a.Row2, a.Dy2);
            break;
        default:
            cols.FromAbsolute(cols.ToAbsolute(a.Col1, a.Dx1) + (it->X2 - it->X1), a.Col2, a.Dx2);
            rows.FromAbsolute(rows.ToAbsolute(a.Row1, a.Dy1) + (it->Y2 - it->Y1), a.Row2, a.Dy2);
        }
        WriteAnchor(bytes, it->Offset, a);
    }
}

void TSheetAnchors::ArrangeInsertRowsAndCols(const std::vector<const TBaseRecordList*>& Lists,
                                             const TWorkSheet& Sheet, int aRowPos, int aRowCount, int aColPos,
                                             int aColCount) const
{
    const TDrawingBytes bytes = TDrawingBytes::OfSheet(Lists);
    for (const TSavedAnchor& saved : FAnchors) {
        TClientAnchor a = ReadAnchor(bytes, saved.Offset);
        switch (a.Flag & 3) {
        case 0:
            MoveCorner(a.Row1, a.Dy1, aRowPos, aRowCount, MaxRow);
            MoveCorner(a.Row2, a.Dy2, aRowPos, aRowCount, MaxRow);
            MoveCorner(a.Col1, a.Dx1, aColPos, aColCount, MaxCol);
            MoveCorner(a.Col2, a.Dx2, aColPos, aColCount, MaxCol);
            break;
        case 3:
            break;
        default:
            MoveBoth(a.Row1, a.Dy1, a.Row2, aRowPos, aRowCount, MaxRow);
            MoveBoth(a.Col1, a.Dx1, a.Col2, aColPos, aColCount, MaxCol);
        }
        WriteAnchor(bytes, saved.Offset, a);
    }
    RestoreObjectCoords(Lists, Sheet);
}
