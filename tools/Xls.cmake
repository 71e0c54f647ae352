# xlsdump: lists a workbook's streams, records or cells, rewrites it, or writes a sample.
add_executable(xlsdump ${CMAKE_CURRENT_LIST_DIR}/xlsdump/XlsDump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xlsdump/XlsDumpCells.cpp ${CMAKE_CURRENT_LIST_DIR}/xlsdump/XlsDumpSample.cpp)
target_link_libraries(xlsdump PRIVATE vistra_xls)
