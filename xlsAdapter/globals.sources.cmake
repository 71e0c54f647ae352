# Section and option records, rich strings and the shared string table,
# workbook loading and saving, and the workbook globals.
list(APPEND XLS_SOURCES
  qorUXlsStrings.cpp
  qorUXlsOtherRecords.cpp
  qorUXlsWindowRecords.cpp
  qorUXlsPageSetupRecords.cpp
  qorUXlsSST.cpp
  qorUXlsLabelRecords.cpp
  qorUSheetNameList.cpp
  qorUXlsSections.cpp
  qorUXlsSheet.cpp
  qorUXlsSupBook.cpp
  qorUXlsReferences.cpp
  qorUXlsWorkbookGlobals.cpp
  qorUExcelRecords.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsGlobalsTestSupport.cpp
  tests/XlsSectionRecordsTest.cpp
  tests/XlsSharedStringsTest.cpp
  tests/XlsSheetNameListTest.cpp
  tests/XlsWorkbookTest.cpp
  tests/XlsReferencesTest.cpp
  tests/XlsNamesTest.cpp)
