# The memo's print jobs, read back by the PDF readers of poppler-utils.
vistra_tests(memo_print_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MemoPrintJobTest.cpp
  DEPENDS vistra_memo vistra_backend vistra_testsupport)
