# Fuzz target of the drawing record tree: loading across carriers, planning
# the save and copying.
add_executable(FuzzXlsEscher ${CMAKE_CURRENT_LIST_DIR}/FuzzXlsEscher.cpp)
target_link_libraries(FuzzXlsEscher PRIVATE vistra_xls)
target_link_options(FuzzXlsEscher PRIVATE -fsanitize=fuzzer)
