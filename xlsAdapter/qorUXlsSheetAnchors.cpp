#include "xlsAdapter/qorUXlsSheetAnchors.h"

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

// The sheet's drawing data: the bodies of its drawing records and their
// CONTINUE records, one after the other, addressed as one run of bytes.
// Records of an embedded chart's section belong to the chart.
class TDrawingBytes {
public:
    explicit TDrawingBytes(const std::vector<const TBaseRecordList*>& Lists)
    {
        ForEachSheetRecord(Lists, [this](TBaseRecord& record) {
            if (record.Id == escher::MsoDrawing)
                for (TBaseRecord* part = &record; part; part = part->Continue.get())
                    FParts.push_back(&part->Data);
        });
        for (const ByteArray* part : FParts)
            FSize += static_cast<std::int64_t>(part->size());
    }

    std::int64_t Size() const { return FSize; }

    std::uint8_t& At(std::int64_t Offset) const
    {
        for (ByteArray* part : FParts) {
            if (Offset < static_cast<std::int64_t>(part->size()))
                return (*part)[static_cast<std::size_t>(Offset)];
            Offset -= static_cast<std::int64_t>(part->size());
        }
        throw EExcelException(msg::ErrExcelInvalid);
    }
    std::uint32_t Get(std::int64_t Offset, int Bytes) const
    {
        std::uint32_t value = 0;
        for (int i = Bytes - 1; i >= 0; --i)
            value = (value << 8) | At(Offset + i);
        return value;
    }
    void SetWord(std::int64_t Offset, std::uint16_t Value) const
    {
        At(Offset) = static_cast<std::uint8_t>(Value & 0xFF);
        At(Offset + 1) = static_cast<std::uint8_t>(Value >> 8);
    }

    TClientAnchor ReadAnchor(std::int64_t Offset) const
    {
        std::uint16_t w[9];
        for (int i = 0; i < 9; ++i)
            w[i] = static_cast<std::uint16_t>(Get(Offset + 2 * i, 2));
        return {w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8]};
    }
    void WriteAnchor(std::int64_t Offset, const TClientAnchor& A) const
    {
        const std::uint16_t w[9] = {A.Flag, A.Col1, A.Dx1, A.Row1, A.Dy1, A.Col2, A.Dx2, A.Row2, A.Dy2};
        for (int i = 0; i < 9; ++i)
            SetWord(Offset + 2 * i, w[i]);
    }

private:
    std::vector<ByteArray*> FParts;
    std::int64_t FSize = 0;
};

// Offsets of the anchor bodies. Every step passes at least one record
// header, so the walk ends whatever the bytes say.
std::vector<std::int64_t> FindAnchors(const TDrawingBytes& Bytes)
{
    std::vector<std::int64_t> found;
    std::int64_t at = 0;
    while (at + escher::HeaderSize <= Bytes.Size()) {
        const auto pre = Bytes.Get(at, 2);
        const auto id = Bytes.Get(at + 2, 2);
        const std::int64_t size = Bytes.Get(at + 4, 4);
        const std::int64_t body = at + escher::HeaderSize;
        if ((pre & 0x000F) == 0x000F) {
            at = body;
            continue;
        }
        if (id == ClientAnchorId && size >= AnchorSize && body + AnchorSize <= Bytes.Size())
            found.push_back(body);
        at = body + size;
    }
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

void ForEachSheetRecord(const std::vector<const TBaseRecordList*>& Lists,
                        const std::function<void(TBaseRecord&)>& Visit)
{
    for (const TBaseRecordList* list : Lists) {
        int nesting = 0;
        for (int i = 0; i < list->Count(); ++i) {
            TBaseRecord* record = list->Items(i);
            if (record->Id == xlr::BOF)
                ++nesting;
            else if (record->Id == xlr::EOF_ && nesting > 0)
                --nesting;
            else if (nesting == 0)
                Visit(*record);
        }
    }
}

void TSheetAnchors::Load(const std::vector<const TBaseRecordList*>& Lists, const TWorkSheet& Sheet)
{
    const TDrawingBytes bytes(Lists);
    FAnchors.clear();
    for (const std::int64_t offset : FindAnchors(bytes)) {
        const TClientAnchor a = bytes.ReadAnchor(offset);
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
    const TDrawingBytes bytes(Lists);
    std::vector<TClientAnchor> anchors;
    for (const TSavedAnchor& saved : FAnchors)
        anchors.push_back(bytes.ReadAnchor(saved.Offset));
    return anchors;
}

void TSheetAnchors::RestoreObjectCoords(const std::vector<const TBaseRecordList*>& Lists,
                                        const TWorkSheet& Sheet) const
{
    const TDrawingBytes bytes(Lists);
    const TAxis cols = Columns(Sheet);
    const TAxis rows = Rows(Sheet);
    for (auto it = FAnchors.rbegin(); it != FAnchors.rend(); ++it) {
        TClientAnchor a = bytes.ReadAnchor(it->Offset);
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
        bytes.WriteAnchor(it->Offset, a);
    }
}

void TSheetAnchors::ArrangeInsertRowsAndCols(const std::vector<const TBaseRecordList*>& Lists,
                                             const TWorkSheet& Sheet, int aRowPos, int aRowCount, int aColPos,
                                             int aColCount) const
{
    const TDrawingBytes bytes(Lists);
    for (const TSavedAnchor& saved : FAnchors) {
        TClientAnchor a = bytes.ReadAnchor(saved.Offset);
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
        bytes.WriteAnchor(saved.Offset, a);
    }
    RestoreObjectCoords(Lists, Sheet);
}
