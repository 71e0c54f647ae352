// The section base: its BOF and EOF records.
#include "xlsAdapter/qorUXlsSections.h"

using namespace xlsAdapter;

void TBaseSection::Clear()
{
    FBOF.reset();
    FEOF.reset();
}

std::int64_t TBaseSection::TotalSize() const
{
    return (FBOF ? FBOF->TotalSize() : 0) + (FEOF ? FEOF->TotalSize() : 0);
}

std::int64_t TBaseSection::TotalRangeSize(int, const TXlsCellRange&) const
{
    return TBaseSection::TotalSize();
}

void TBaseSection::CheckLoaded() const
{
    if (!FBOF || !FEOF)
        ExcelError(msg::SectionNotLoaded);
}
