# Formula text to tokens and back.
list(APPEND XLS_SOURCES
  qorUVyxStack.cpp
  qorUXlsFormula.cpp
  qorUXlsNames.cpp
  qorUXlsTokenArray.cpp
  qorUXlsEncodeFormula.cpp
  qorUXlsFormulaParser.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsFormulaCodersTest.cpp
  tests/XlsFormulaRecordTest.cpp
  tests/XlsFileFormulasTest.cpp
  tests/XlsTokenArrayTest.cpp)
