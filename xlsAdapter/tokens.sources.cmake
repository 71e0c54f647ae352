# Formula tokens, formula texts and the worksheet function table.
list(APPEND XLS_SOURCES
  qorXlsFormulaMessages.cpp
  qorXlsFormulaFunctionTable.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XlsFormulaTokensTest.cpp)
