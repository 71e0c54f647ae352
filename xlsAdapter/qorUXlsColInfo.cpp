// Column information kept per column and joined into COLINFO runs on save.
#include "xlsAdapter/qorUXlsColInfo.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <algorithm>

namespace {
constexpr std::uint16_t ColInfoId = 0x007D;
constexpr int ColInfoDataSize = 12;
constexpr int LastColumn = 255;
// Files end their last run at column 256, one past the sheet; such an entry
// is kept so that the run saves back as it was read.
constexpr int LastStoredColumn = 256;
} // namespace

std::vector<TColInfo>::iterator TColInfoList::LowerBound(int aColumn)
{
    return std::lower_bound(FItems.begin(), FItems.end(), aColumn,
                            [](const TColInfo& item, int column) { return item.Column < column; });
}

void TColInfoList::AddRecord(const TBaseRecord& R)
{
    R.RequireSize(10);
    const int first = GetWord(R.Data, 0);
    const int last = std::min<int>(GetWord(R.Data, 2), LastStoredColumn);
    const std::uint16_t width = GetWord(R.Data, 4);
    const std::uint16_t xf = GetWord(R.Data, 6);
    const std::uint16_t options = GetWord(R.Data, 8);
    for (int column = first; column <= last; ++column) {
        TColInfo& info = FindOrAdd(column, width, xf, options);
        info.Width = width;
        info.XF = xf;
        info.Options = options;
    }
}

TColInfo* TColInfoList::Find(int aColumn)
{
    const auto it = LowerBound(aColumn);
    return it != FItems.end() && it->Column == aColumn ? &*it : nullptr;
}

const TColInfo* TColInfoList::Find(int aColumn) const
{
    return const_cast<TColInfoList*>(this)->Find(aColumn);
}

TColInfo& TColInfoList::FindOrAdd(int aColumn, std::uint16_t Width, std::uint16_t XF, std::uint16_t Options)
{
    const auto it = LowerBound(aColumn);
    if (it != FItems.end() && it->Column == aColumn)
        return *it;
    return *FItems.insert(it, TColInfo{aColumn, Width, XF, Options});
}

std::int64_t TColInfoList::Save(TOle2File* DataStream, int Left, int Right) const
{
    std::int64_t size = 0;
    std::size_t i = 0;
    while (i < FItems.size() && FItems[i].Column < Left)
        ++i;
    const int runEnd = Right >= LastColumn ? LastStoredColumn : Right;
    while (i < FItems.size() && FItems[i].Column <= std::min(Right, LastColumn)) {
        std::size_t last = i;
        while (last + 1 < FItems.size() && FItems[last + 1].Column == FItems[last].Column + 1 &&
               FItems[last + 1].Column <= runEnd && FItems[last + 1].IsEqual(FItems[i]))
            ++last;
        if (DataStream) {
            const TColInfo& info = FItems[i];
            DataStream->WriteHeader(ColInfoId, ColInfoDataSize);
            DataStream->Write16(static_cast<std::uint16_t>(info.Column));
            DataStream->Write16(static_cast<std::uint16_t>(FItems[last].Column));
            DataStream->Write16(info.Width);
            DataStream->Write16(info.XF);
            DataStream->Write16(info.Options);
            DataStream->Write16(0);
        }
        size += 4 + ColInfoDataSize;
        i = last + 1;
    }
    return size;
}

void TColInfoList::ArrangeInsertCols(int DestCol, int aColCount)
{
    if (aColCount == 0)
        return;
    std::vector<TColInfo> moved;
    moved.reserve(FItems.size());
    for (TColInfo info : FItems) {
        if (info.Column >= DestCol) {
            // Deleted columns take their entries with them.
            if (aColCount < 0 && info.Column < DestCol - aColCount)
                continue;
            info.Column += aColCount;
        }
        if (info.Column <= LastStoredColumn)
            moved.push_back(info);
    }
    FItems = std::move(moved);
}

void TColInfoList::CopyCols(int FirstCol, int LastCol, int DestCol, int aColCount)
{
    const int n = LastCol - FirstCol + 1;
    std::vector<TColInfo> sources;
    for (const TColInfo& info : FItems)
        if (info.Column >= FirstCol && info.Column <= LastCol)
            sources.push_back(info);
    for (int k = 0; k < aColCount; ++k)
        for (const TColInfo& source : sources) {
            const int dest = DestCol + (source.Column - FirstCol) + n * k;
            if (dest < 0 || dest > LastStoredColumn || dest == source.Column)
                continue;
            TColInfo& info = FindOrAdd(dest, source.Width, source.XF, source.Options);
            info.Width = source.Width;
            info.XF = source.XF;
            info.Options = source.Options;
        }
}

int TColInfoList::CalcGuts() const
{
    int level = 0;
    for (const TColInfo& info : FItems)
        level = std::max(level, info.GetColOutlineLevel());
    return level;
}
