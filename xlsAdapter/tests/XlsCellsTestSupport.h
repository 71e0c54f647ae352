// A one-sheet workbook read record by record, with its sheet's cell block
// held in TCells and its shared strings in a TSST, written back with the
// cell block saved from TCells.
#pragma once

#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <memory>
#include <string>
#include <vector>

namespace xlstest {

class TLoadedWorkbook {
public:
    explicit TLoadedWorkbook(const std::string& file);

    TWorkbookGlobals Globals;
    TSST& SST = Globals.SST();
    TCells Cells{Globals, nullptr};
    // Ids of the cell records as the file held them, in order.
    std::vector<std::uint16_t> CellRecordIds;

    // Writes a copy of the container at file `in` to `out`, with the
    // strings and the cell block saved again.
    void Save(const std::string& in, const std::string& out);

private:
    std::vector<std::unique_ptr<TBaseRecord>> FGlobals;
    std::vector<std::unique_ptr<TBaseRecord>> FSheetBefore; // up to the cell block
    std::vector<std::unique_ptr<TBaseRecord>> FSheetAfter;
};

// The output of the cells peer script run with Arguments.
std::string CellsPeer(const std::string& Arguments);

// Every record of a file's Workbook stream up to the first sheet's EOF.
std::vector<std::unique_ptr<TBaseRecord>> ReadWorkbookRecords(const std::string& file);

// The ids of the records of the first sheet's cell block as written.
std::vector<std::uint16_t> SavedCellRecordIds(const std::string& file);

} // namespace xlstest
