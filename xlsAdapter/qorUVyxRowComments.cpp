// The by-row picture index.
#include "xlsAdapter/qorUVyxRowComments.h"

#include <algorithm>

bool TRowComments::FindRow(int aRow, int& Index) const
{
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), aRow,
                                     [](const auto& item, int row) { return item->Row < row; });
    Index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && (*it)->Row == aRow;
}

const TCommentRowPos& TRowComments::GetItems(int aRow) const
{
    int index = 0;
    return FindRow(aRow, index) ? *FItems[static_cast<std::size_t>(index)] : *EmptySlot;
}

void TRowComments::Add(int aRow, int aPos)
{
    int index = 0;
    if (!FindRow(aRow, index)) {
        auto entry = std::make_unique<TCommentRowPos>();
        entry->Row = aRow;
        FItems.insert(FItems.begin() + index, std::move(entry));
    }
    FItems[static_cast<std::size_t>(index)]->push_back(aPos);
}

void TRowComments::Delete(int aRow, int aCol)
{
    int index = 0;
    if (!FindRow(aRow, index))
        return;
    TCommentRowPos& entry = *FItems[static_cast<std::size_t>(index)];
    if (aCol < 0 || aCol >= static_cast<int>(entry.size()))
        return;
    const int removed = entry[static_cast<std::size_t>(aCol)];
    entry.erase(entry.begin() + aCol);
    for (const auto& item : FItems)
        for (int& pos : *item)
            if (pos > removed)
                --pos;
}
