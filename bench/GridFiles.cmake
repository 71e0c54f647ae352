# String grid files: CSV reading and writing back, beside the npm csv-parse and csv-stringify packages,
# and the binary cell stream saved and loaded.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridFiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridFiles.cpp DEPENDS vistra_grid vistra_backend)
  if(TARGET BenchGridFiles)
    target_compile_definitions(BenchGridFiles PRIVATE VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    set_tests_properties(BenchGridFiles.smoke PROPERTIES ENVIRONMENT VISTRA_BENCH_SMALL=1)
  endif()
endif()
