# Workbook engine: opening a large workbook and walking its records.
vistra_benchmark(BenchXlsOpen SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchXlsOpen.cpp DEPENDS vistra_xls)
if(TARGET BenchXlsOpen)
  target_compile_definitions(BenchXlsOpen PRIVATE
    VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" XLS_BENCH_DATA="${CMAKE_BINARY_DIR}/bench-data")
endif()
