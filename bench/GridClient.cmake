# The string grid through its public operations only, as a client program
# uses it: fill, number sort and number filter beside bare loops.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridClient SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridClient.cpp DEPENDS vistra_grid vistra_backend)
  if(TARGET BenchGridClient)
    set_tests_properties(BenchGridClient.smoke PROPERTIES ENVIRONMENT VISTRA_BENCH_SMALL=1)
  endif()
endif()
