# Memo line storage: the line list, its per-line data objects and the memo's integer list.
list(APPEND MEMO_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MemoIntList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoLineProp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoLines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoLineAttributes.cpp)
