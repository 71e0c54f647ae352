// One hidden row while it is out of the grid: where it was, its height, its node level
// and its cell texts.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"

class TGridItem : public TCollectionItem {
    VISTRA_CLASS(TGridItem, TCollectionItem)

public:
    explicit TGridItem(TCollection* Collection) : TCollectionItem(Collection) {}

    // The real index the row had in the grid.
    int Idx() const noexcept { return FIdx; }
    void SetIdx(int Value) noexcept { FIdx = Value; }
    int Height() const noexcept { return FHeight; }
    void SetHeight(int Value) noexcept { FHeight = Value; }
    int Level() const noexcept { return FLevel; }
    void SetLevel(int Value) noexcept { FLevel = Value; }

    // The row's cell texts, one per column, in a list the item owns. Setting copies the
    // given texts, so the caller keeps its own list.
    TStringList* Items() noexcept { return &FItems; }
    void SetItems(const TStrings* Value) { FItems.Assign(Value); }

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    TStringList FItems;
};
