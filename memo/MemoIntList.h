// The memo's list of integers: error-mark columns and line lengths, kept in pointer slots.
#pragma once

#include "platform/classes/Lists.h"

namespace memo {

// A plain list of 32-bit integers with no change events. It is not the grid's
// cell-bound integer list. Index errors are the platform list's EListError.
class TIntList : public TList {
    VISTRA_CLASS(TIntList, TList)

    TIntList() = default;

    int Items(int Index) const { return GetInteger(Index); }
    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    int Add(int Value);
    void Insert(int Index, int Value);
    void Delete(int Index) { TList::Delete(Index); }
    // Binary search: the list must be in ascending order, otherwise values
    // that are present may be missed. -1 when not found.
    int IndexOf(int Value) const;
};

} // namespace memo
