# Workbook engine: the file object reading and writing a large workbook.
vistra_benchmark(BenchXlsFile SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchXlsFile.cpp DEPENDS vistra_xls)
if(TARGET BenchXlsFile)
  target_compile_definitions(BenchXlsFile PRIVATE
    VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" XLS_BENCH_DATA="${CMAKE_BINARY_DIR}/bench-data")
endif()
