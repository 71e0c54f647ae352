# Number format rendering.
list(APPEND XLS_SOURCES
  qorUVyxNumberFormat.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/VyxNumberFormatTest.cpp)
