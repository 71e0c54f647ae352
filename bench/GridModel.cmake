# String grid model: a million rows filled, mapped, hidden, cut and grown, beside bare baselines.
if(TARGET vistra_grid)
  vistra_benchmark(BenchGridModel SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridModel.cpp DEPENDS vistra_grid vistra_backend)
endif()
