# Fuzz target of cell storage: cell and ROW records loaded, read and saved.
add_executable(FuzzXlsCells ${CMAKE_CURRENT_LIST_DIR}/FuzzXlsCells.cpp)
target_link_libraries(FuzzXlsCells PRIVATE vistra_xls)
target_compile_definitions(FuzzXlsCells PRIVATE VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
target_link_options(FuzzXlsCells PRIVATE -fsanitize=fuzzer)
