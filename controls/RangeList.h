// A list of distinct integers read from and written as range texts ("1-3,5").
#pragma once

#include <iosfwd>
#include <set>
#include <string>
#include <string_view>

#include "platform/classes/Lists.h"

class TRangeList : public TList {
    VISTRA_CLASS(TRangeList, TList)

    // The most integers one list holds; a range text asking for more is refused
    // instead of allocating without bound.
    static constexpr int MaxEntries = 100000;

    // Appends Value when it is not in the list yet.
    void Add(int Value);
    // Adds Value .. Value + Count - 1.
    void AddMultiple(int Value, int Count);
    bool InList(int Value) const { return FMembers.count(Value) != 0; }
    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    // Writes each entry on its own line.
    void Show(std::ostream& Out) const;
    // Clears the list and reads items separated by "," or ";": "a-b" adds a..b
    // (nothing when b < a), a single integer adds itself. False when an item is
    // no integer or range, or when a range would pass MaxEntries; the valid
    // items are kept either way.
    bool StrToList(std::string_view S);
    // The entries in ascending order as runs joined by ",": "1-3,5,7-8". Sorts
    // the list. An empty list gives an empty text.
    std::string ToRangeStr();

protected:
    void Notify(void* Item, TListNotification Action) override;

private:
    std::multiset<int> FMembers;
};
