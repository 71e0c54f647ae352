# String grid painting: a screen of a million-row grid beside a ten-row grid, and a
# screen of HTML cells beside the same screen of plain cells.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridPaint SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridPaint.cpp DEPENDS vistra_grid vistra_backend)
endif()
