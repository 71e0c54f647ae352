# xlsdump: lists a workbook's streams and records, or rewrites it.
add_executable(xlsdump ${CMAKE_CURRENT_LIST_DIR}/xlsdump/XlsDump.cpp)
target_link_libraries(xlsdump PRIVATE vistra_xls)
