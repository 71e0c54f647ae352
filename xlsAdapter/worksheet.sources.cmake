# Worksheet sections with their column information and merged ranges, and
# the built-in empty workbook.
list(APPEND XLS_SOURCES
  qorUXlsColInfo.cpp
  qorUXlsMergedCells.cpp
  qorUXlsTemplate.cpp
  qorUXlsWorkSheet.cpp)
