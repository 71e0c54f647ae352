# Text, CSV, parsing and filter utilities, auxiliary objects, settings objects and undo.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilCellText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilLineBreaks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilHtml.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilParse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilDates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterMatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AuxLists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlowMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArrowWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NavigationSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MouseActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SearchFooter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridUndoRedo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemedComCtl.cpp
)
