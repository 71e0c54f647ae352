// The break plan of a drawing's byte stream.
#include "xlsAdapter/qorUEscherBreakList.h"

#include "xlsAdapter/qorXlsMessages.h"

using namespace xlsAdapter;

void TBreakList::Add(int aId, int aSize)
{
    const std::int64_t previous = FItems.empty() ? 0 : FItems.back().AcumSize;
    FItems.push_back({aId, aSize, previous + aSize});
}

const TBreakList::TBreakItem& TBreakList::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        ExcelError(msg::LogicalError);
    return FItems[static_cast<std::size_t>(Index)];
}

std::int64_t TBreakList::AcumSize() const
{
    return Item(CurrentPos).AcumSize + ZeroPos + 4 * static_cast<std::int64_t>(CurrentPos);
}

int TBreakList::CurrentId() const
{
    return Item(CurrentPos).Id;
}

int TBreakList::CurrentSize() const
{
    return Item(CurrentPos + 1).Size;
}
