// The empty workbook that new files and cleared sheets start from: one
// worksheet "Sheet1" with the standard fonts, formats and styles.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

namespace xlsAdapter {
// A compound file with a Workbook stream, built once in memory.
const ByteArray& EmptyWorkbookTemplate();
} // namespace xlsAdapter
