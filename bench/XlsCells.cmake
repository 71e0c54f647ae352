# Workbook engine: loading and writing a sheet's cells in cell storage.
vistra_benchmark(BenchXlsCells SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchXlsCells.cpp DEPENDS vistra_xls)
