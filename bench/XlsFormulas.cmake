# Workbook engine: writing and reading back 100,000 formula cells.
vistra_benchmark(BenchXlsFormulas SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchXlsFormulas.cpp DEPENDS vistra_xls)
if(TARGET BenchXlsFormulas)
  target_compile_definitions(BenchXlsFormulas PRIVATE
    VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" XLS_BENCH_DATA="${CMAKE_BINARY_DIR}/bench-data")
endif()
