# Worksheet sections with their column information and merged ranges, and
# the built-in empty workbook.
list(APPEND XLS_SOURCES
  qorUXlsAutofit.cpp
  qorUXlsColInfo.cpp
  qorUXlsChart.cpp
  qorUXlsCondFmt.cpp
  qorUXlsMergedCells.cpp
  qorUXlsPageBreaks.cpp
  qorUXlsSheetPrint.cpp
  qorUXlsSheetView.cpp
  qorUXlsTemplate.cpp
  qorUXlsNotes.cpp
  qorUXlsHyperLink.cpp
  qorUXlsWorkSheet.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsPageBreaksTest.cpp
  tests/XlsCondFmtTest.cpp
  tests/XlsSheetAnchorsTest.cpp
  tests/XlsSheetNotesTest.cpp
  tests/XlsDrawingIdsTest.cpp)
