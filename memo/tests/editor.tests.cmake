# Tests of the memo editor control, its stylers and its tokenizer.
vistra_tests(memo_editor_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MemoEditingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoTokenizerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoViewTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoWrapTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoMouseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoMarkersTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoPrintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoParamHintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoFindTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoExportTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoMenuTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoCompletionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoSourceTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoSettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoHoverTest.cpp
  DEPENDS vistra_memo vistra_backend vistra_testsupport_golden)
