# Tests of the RTF document builder, checked against exact texts and read back by LibreOffice.
vistra_tests(memo_rtf_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RTFEngineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFTablesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFMergeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLToRTFTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFPeerTest.cpp
  DEPENDS vistra_memo)
