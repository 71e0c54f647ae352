# Fuzz targets of the workbook engine: the container and the record stream.
foreach(target FuzzOle2File FuzzXlsRecords)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE vistra_xls)
  target_compile_definitions(${target} PRIVATE VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
