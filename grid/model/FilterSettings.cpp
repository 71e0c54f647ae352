// The grid's row filter: a collection of conditions, each testing one column.
#include "grid/model/FilterSettings.h"

#include "platform/rtl/Exceptions.h"

void TFilterData::Assign(const TPersistent* SourceObject)
{
    if (!SourceObject)
        return;
    const auto* source = dynamic_cast<const TFilterData*>(SourceObject);
    if (!source)
        throw EInvalidCast("Invalid class typecast");
    const TFilterData& Source = *source;
    FColumn = Source.FColumn;
    VISTRA_FILTER_DATA_OPTIONS(VISTRA_COPY_OPTION)
    VISTRA_FILTER_DATA_TEXTS(VISTRA_COPY_OPTION)
}

TFilter::TFilter(grid::TGridSettingsOwner* AGrid)
    : TCollection(ItemClassOf<TFilterData>()), FGrid(AGrid)
{
}

TPersistent* TFilter::GetOwner() const
{
    return dynamic_cast<TPersistent*>(FGrid);
}

TFilterData* TFilter::Add()
{
    auto* item = static_cast<TFilterData*>(TCollection::Add());
    item->SetOperation(Count() == 1 ? foNONE : foAND);
    return item;
}

TFilterData* TFilter::Insert(int)
{
    return static_cast<TFilterData*>(TCollection::Add());
}

TFilterData* TFilter::GetColFilter(int Col)
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->Column() == Col)
            return GetItem(i);
    TFilterData* item = Add();
    item->SetColumn(Col);
    return item;
}

bool TFilter::HasFilter(int Col) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->Column() == Col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (GetItem(i)->Column() == Col)
            Delete(i);
    if (FGrid)
        FGrid->RepaintGridCell(Col, 0);
}
