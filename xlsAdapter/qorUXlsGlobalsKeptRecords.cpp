// External references kept as read.
#include "xlsAdapter/qorUXlsGlobalsKeptRecords.h"

using namespace xlsAdapter;

void TKeptReferences::AddSupBook(std::unique_ptr<TBaseRecord> Record)
{
    FHasSupBook = true;
    FRecords.Add(std::move(Record));
}

void TKeptReferences::AddExternName(std::unique_ptr<TBaseRecord> Record)
{
    if (!FHasSupBook)
        Record->ReadError(msg::ErrExcelInvalid);
    FRecords.Add(std::move(Record));
}

void TKeptReferences::AddExternRef(std::unique_ptr<TBaseRecord> Record)
{
    FRecords.Add(std::move(Record));
}
