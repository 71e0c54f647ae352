# Cell formats, fonts, palette, cell records and cell storage.
list(APPEND XLS_SOURCES
  qorUXlsXF.cpp
  qorUXlsXFFont.cpp
  qorUXlsXFNumberFormats.cpp
  qorUXlsPalette.cpp
  qorUXlsCellRecords.cpp
  qorUXlsCellRow.cpp
  qorUXlsRowEntries.cpp
  qorUXlsRowColList.cpp
  qorUXlsCellList.cpp
  qorUXlsCells.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsXFTest.cpp
  tests/XlsPaletteTest.cpp
  tests/XlsCellRecordsTest.cpp
  tests/XlsCellsTestSupport.cpp
  tests/XlsCellListPeersTest.cpp
  tests/XlsCellListTest.cpp)
