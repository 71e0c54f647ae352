// The grid's row filter: a collection of conditions, each testing one column.
#pragma once

#include "grid/model/GridSettingsOwner.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/ModelOptions.h"
#include "platform/classes/Collection.h"

#define VISTRA_FILTER_DATA_OPTIONS(X)           \
    X(bool, CaseSensitive, true)                \
    X(TFilterCells, Data, fcVirtual)            \
    X(TFilterOperation, Operation, foSHORT)

#define VISTRA_FILTER_DATA_TEXTS(X)             \
    X(std::string, Condition, "")               \
    X(std::string, Prefix, "")                  \
    X(std::string, Suffix, "")

// One filter condition: the column it tests, the condition text, which text of the
// cell it is matched against (less Prefix and Suffix), and how its result joins the
// previous conditions' results.
class TFilterData : public TCollectionItem {
    VISTRA_CLASS(TFilterData, TCollectionItem)

    // The real column index; a full int, so that wide grids filter the right column.
    VISTRA_PLAIN_OPTION(int, Column, 0)
    VISTRA_FILTER_DATA_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_FILTER_DATA_TEXTS(VISTRA_TEXT_OPTION)

public:
    explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}

    // Copies the whole condition from another TFilterData; no source changes nothing,
    // and a source of another class raises EInvalidCast.
    void Assign(const TPersistent* Source) override;
};

class TFilter : public TCollection {
    VISTRA_CLASS(TFilter, TCollection)

public:
    // AGrid, when given, is also the collection's owner.
    explicit TFilter(grid::TGridSettingsOwner* AGrid);

    TFilterData* GetItem(int Index) const { return static_cast<TFilterData*>(Items(Index)); }
    void SetItem(int Index, const TFilterData* Value) { SetItems(Index, Value); }

    // Appends a condition that joins with AND, or with nothing when it is the only one.
    TFilterData* Add();
    // Appends a condition at the end whatever the index, leaving its operation at
    // foSHORT.
    TFilterData* Insert(int Index);
    // The first condition on Col; a new one for Col is added when there is none.
    TFilterData* GetColFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition on Col and repaints the header cell with its filter glyph.
    void RemoveColumnFilter(int Col);

protected:
    TPersistent* GetOwner() const override;

private:
    grid::TGridSettingsOwner* FGrid;
};
