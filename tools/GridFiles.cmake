# gridconv: converts a grid file from one format to another, each by extension; gridview opens each.
add_executable(gridconv ${CMAKE_CURRENT_LIST_DIR}/gridconv/GridConv.cpp)
target_link_libraries(gridconv PRIVATE vistra_grid vistra_backend)
add_test(NAME gridconv.errors
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:gridconv> -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/gridconv-test
    -DVIEWER=$<TARGET_FILE:gridview>
    -P ${CMAKE_CURRENT_LIST_DIR}/gridconv/ConvTest.cmake)
