# String grid editing from the keyboard: edits committed one after another
# on a grid of a million rows, beside the bare cell store of the same values.
# The smoke run uses a small grid so that it stays a matter of seconds.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridInput SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridInput.cpp DEPENDS vistra_grid vistra_backend)
  if(TARGET BenchGridInput)
    set_tests_properties(BenchGridInput.smoke PROPERTIES ENVIRONMENT VISTRA_BENCH_SMALL=1)
  endif()
endif()
