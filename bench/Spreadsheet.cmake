# The formula evaluator over a large grid, with LibreOffice Calc as the baseline.
if(TARGET vistra_spreadsheet)
  vistra_benchmark(BenchGridFormula SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGridFormula.cpp
    DEPENDS vistra_spreadsheet vistra_backend)
endif()
