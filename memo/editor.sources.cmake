# The memo editor control: caret and text operations, commands, undo, stylers, tokenizer, folding, gutter and view.
list(APPEND MEMO_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillMemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoCaret.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoUndo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoStyler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillmWS.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoTokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoFolding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoGutter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoWrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoAutoCorrect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoMarkers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoAssign.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoPrintJob.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoParamHint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoCompletion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoAutoComplete.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoFind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoContextMenu.cpp)
