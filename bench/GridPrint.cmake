# String grid printing: every page of 10,000 and 100,000 rows to PDF, beside the same pages
# drawn into a bitmap.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridPrint SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridPrint.cpp DEPENDS vistra_grid vistra_backend)
endif()
