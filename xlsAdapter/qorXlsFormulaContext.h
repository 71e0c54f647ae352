// What the formula coders ask of the workbook around a formula: its sheets,
// its external sheet table, its defined names and the array and table
// formulas anchored in its cells. The cell list answers for a worksheet.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <string>
#include <string_view>

namespace xlsAdapter {

class TFormulaContext {
public:
    virtual ~TFormulaContext() = default;

    // The first sheet whose name equals SheetName ignoring case; false when
    // there is none.
    [[nodiscard]] virtual bool FindSheet(std::u16string_view SheetName, int& SheetIndex) const = 0;
    // The position (from 0) of the workbook's own defined name Name,
    // compared ignoring case; false when there is none.
    [[nodiscard]] virtual bool FindName(std::u16string_view Name, int& NameIndex) const = 0;
    // The external sheet index of the span FirstSheet..LastSheet of this
    // workbook, added to the table when missing.
    virtual int AddExternSheet(int FirstSheet, int LastSheet) = 0;
    // The prefix that 3-D references through ExternSheet are written with,
    // such as 'Sheet1'! (empty for a deleted sheet).
    virtual std::string ExternSheetPrefix(int ExternSheet) const = 0;
    // A defined name: ExternSheet -1 for this workbook's own names, else the
    // names of the workbook behind that external sheet; NameIndex from 0.
    virtual std::string DefinedName(int ExternSheet, int NameIndex) const = 0;
    // The data of the ARRAY or TABLE record attached to the formula at a cell.
    virtual ByteArray ArrayFormula(int Row, int Col) const = 0;
    virtual ByteArray TableFormula(int Row, int Col) const = 0;
};

} // namespace xlsAdapter
