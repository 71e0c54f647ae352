# Tests of the memo's line list, its per-line data and its integer list.
vistra_tests(memo_lines_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MemoLinesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoLineFilesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoLineAttributesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoIntListTest.cpp
  DEPENDS vistra_memo)
