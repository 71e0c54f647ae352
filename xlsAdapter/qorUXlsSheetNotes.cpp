#include "xlsAdapter/qorUXlsSheetNotes.h"

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsDrawingBytes.h"
#include "xlsAdapter/qorXlsMessages.h"

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t NoteId = 0x001C;
constexpr int MaxCol = 255;
constexpr int MaxRow = 65535;

// A cell index at or after Pos moves by Count, clamped to Pos..Max.
void MoveIndex(TBaseRecord& Note, int At, int Pos, int Count, int Max)
{
    std::uint16_t index = GetWord(Note.Data, At);
    if (Count == 0 || index < Pos)
        return;
    IncWordClamped(index, Count, Max, Pos);
    SetWord(Note.Data, At, index);
}

} // namespace

void ArrangeNoteCells(const std::vector<const TBaseRecordList*>& Lists, int aRowPos, int aRowCount, int aColPos,
                      int aColCount)
{
    ForEachSheetRecord(Lists, [&](TBaseRecord& record) {
        // A note too short to name its cell is written back as read.
        if (record.Id != NoteId || record.DataSize() < 4)
            return;
        MoveIndex(record, 0, aRowPos, aRowCount, MaxRow);
        MoveIndex(record, 2, aColPos, aColCount, MaxCol);
    });
}
