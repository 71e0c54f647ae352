# Workbook engine: opening and saving many pictures and comments.
vistra_benchmark(BenchXlsDrawings SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchXlsDrawings.cpp DEPENDS vistra_xls)
