# The wheel over the string grid: notches that move the current row or
# scroll the view of a grid of a million rows, beside the same moves made
# directly. The smoke run uses a small grid so that it stays a matter of seconds.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridWheel SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridWheel.cpp DEPENDS vistra_grid vistra_backend)
  if(TARGET BenchGridWheel)
    set_tests_properties(BenchGridWheel.smoke PROPERTIES ENVIRONMENT VISTRA_BENCH_SMALL=1)
  endif()
endif()
