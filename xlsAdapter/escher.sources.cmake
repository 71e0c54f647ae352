# The drawing record tree and the cutting of drawings into BIFF records.
list(APPEND XLS_SOURCES
  qorUEscherBlips.cpp
  qorUEscherBreakList.cpp
  qorUEscherRecords.cpp
  qorUEscherShapeRecords.cpp
  qorUEscherShapes.cpp
  qorUXlsClientData.cpp
  qorUXlsEscher.cpp
  qorUXlsImages.cpp
  qorUEscherGraphToBSE.cpp
  qorUXlsMD5.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsEscherRecordsTest.cpp
  tests/XlsBlipsTest.cpp
  tests/XlsDrawingModelTest.cpp
  tests/XlsImagesTest.cpp)
