// Manual page breaks: loading, adding, moving with rows and columns, saving.
#include "xlsAdapter/qorUXlsPageBreaks.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <algorithm>

using namespace xlsAdapter;

std::vector<TPageBreakData>::iterator TPageBreakList::LowerBound(int aPosition)
{
    return std::lower_bound(FItems.begin(), FItems.end(), aPosition,
                            [](const TPageBreakData& item, int position) { return item.Position < position; });
}

void TPageBreakList::AddRecord(const TBaseRecord& aRecord)
{
    rtl::TByteCursor cursor = aRecord.Cursor();
    const int count = cursor.U16();
    FHadRecord = true;
    for (int i = 0; i < count; ++i) {
        TPageBreakData data;
        data.Position = cursor.U16();
        data.First = cursor.U16();
        data.Last = cursor.U16();
        const auto it = LowerBound(data.Position);
        if (it != FItems.end() && it->Position == data.Position)
            continue;
        // More breaks than one record holds could not be saved.
        if (Count() >= MaxBreaks)
            aRecord.ReadError(msg::TooManyPageBreaks);
        FItems.insert(it, data);
    }
}

void TPageBreakList::AddBreak(int aPosition)
{
    if (Count() >= MaxBreaks)
        ExcelError(msg::TooManyPageBreaks);
    const auto it = LowerBound(aPosition);
    if (it == FItems.end() || it->Position != aPosition)
        FItems.insert(it, TPageBreakData{aPosition, 0, FSpanLast});
}

void TPageBreakList::DeleteBreak(int aPosition)
{
    const auto it = LowerBound(aPosition);
    if (it != FItems.end() && it->Position == aPosition)
        FItems.erase(it);
}

bool TPageBreakList::HasPageBreak(int aPosition) const
{
    const auto it = const_cast<TPageBreakList*>(this)->LowerBound(aPosition);
    return it != FItems.end() && it->Position == aPosition;
}

void TPageBreakList::InsertRows(int DestPos, int aCount)
{
    const auto first = LowerBound(DestPos);
    if (first == FItems.end())
        return;
    const int highest = FItems.back().Position + aCount;
    if (highest > FLimit || first->Position + aCount < 0)
        ExcelError(msg::TooManyEntries, highest > FLimit ? highest : first->Position + aCount, FLimit);
    for (auto it = first; it != FItems.end(); ++it)
        it->Position += aCount;
}

void TPageBreakList::DeleteRows(int DestPos, int aCount)
{
    std::erase_if(FItems, [&](const TPageBreakData& b) { return b.Position >= DestPos && b.Position < DestPos + aCount; });
    for (TPageBreakData& b : FItems)
        if (b.Position >= DestPos + aCount)
            b.Position -= aCount;
}

std::int64_t TPageBreakList::Save(TOle2File* DataStream, int First, int Last) const
{
    std::vector<const TPageBreakData*> written;
    for (const TPageBreakData& b : FItems)
        if (b.Position >= First && b.Position <= Last)
            written.push_back(&b);
    if (written.empty() && !(FHadRecord && FItems.empty()))
        return 0;
    const auto n = static_cast<std::uint16_t>(written.size());
    if (DataStream) {
        DataStream->WriteHeader(FRecordId, static_cast<std::uint16_t>(2 + 6 * n));
        DataStream->Write16(n);
        for (const TPageBreakData* b : written) {
            DataStream->Write16(static_cast<std::uint16_t>(b->Position));
            DataStream->Write16(b->First);
            DataStream->Write16(b->Last);
        }
    }
    return 6 + 6 * static_cast<std::int64_t>(n);
}
