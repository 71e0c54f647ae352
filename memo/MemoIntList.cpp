// The memo's list of integers.
#include "memo/MemoIntList.h"

#include <cstdint>

namespace memo {

namespace {

void* ToSlot(int Value)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(Value));
}

int FromSlot(void* Slot)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(Slot));
}

} // namespace

int TIntList::GetInteger(int Index) const
{
    return FromSlot(TList::Items(Index));
}

void TIntList::SetInteger(int Index, int Value)
{
    TList::SetItems(Index, ToSlot(Value));
}

int TIntList::Add(int Value)
{
    return TList::Add(ToSlot(Value));
}

void TIntList::Insert(int Index, int Value)
{
    TList::Insert(Index, ToSlot(Value));
}

int TIntList::IndexOf(int Value) const
{
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        int middle = low + (high - low) / 2;
        int item = GetInteger(middle);
        if (item > Value)
            high = middle - 1;
        else if (item < Value)
            low = middle + 1;
        else
            return middle;
    }
    return -1;
}

} // namespace memo
