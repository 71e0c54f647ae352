# Fuzz target of workbook loading and saving (globals and sheet sections).
add_executable(FuzzXlsWorkbook ${CMAKE_CURRENT_LIST_DIR}/FuzzXlsWorkbook.cpp)
target_link_libraries(FuzzXlsWorkbook PRIVATE vistra_xls)
target_compile_definitions(FuzzXlsWorkbook PRIVATE VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
target_link_options(FuzzXlsWorkbook PRIVATE -fsanitize=fuzzer)
