# Grid utilities: the filter condition language over a million cell texts.
if(TARGET vistra_grid_base)
  vistra_benchmark(BenchFilterMatch SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchFilterMatch.cpp DEPENDS vistra_grid_base)
endif()
