# String grid data operations at a million rows: sorting, filtering, grouping,
# search and footers, each beside a bare baseline. The smoke run uses a small
# grid so that it stays a matter of seconds.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridData SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridData.cpp DEPENDS vistra_grid vistra_backend)
  if(TARGET BenchGridData)
    set_tests_properties(BenchGridData.smoke PROPERTIES ENVIRONMENT VISTRA_BENCH_SMALL=1)
  endif()
endif()
