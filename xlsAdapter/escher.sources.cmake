# The drawing record tree and the cutting of drawings into BIFF records.
list(APPEND XLS_SOURCES
  qorUEscherBreakList.cpp
  qorUEscherRecords.cpp
  qorUEscherShapeRecords.cpp
  qorUXlsMD5.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsEscherRecordsTest.cpp
  tests/XlsBlipsTest.cpp)
