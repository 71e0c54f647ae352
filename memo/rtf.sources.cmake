# RTF document builder: tables, escaping, the builder, pictures, merging and mini-HTML conversion.
list(APPEND MEMO_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RTFEscape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RTFMerge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLToRTF.cpp
)
