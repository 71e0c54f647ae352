# Tests of the text, CSV, parsing and filter utilities, auxiliary and settings objects and undo.
vistra_tests(grid_util_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PythonPeer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilCellTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilLineBreaksTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilCsvTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilHtmlTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilParseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilDatesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterMatchTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AuxListsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlowMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArrowWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePictureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridUndoRedoTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemedComCtlTest.cpp
  DEPENDS vistra_grid_base vistra_backend)
