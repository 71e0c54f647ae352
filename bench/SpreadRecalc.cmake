# The spreadsheet grid's recalculation over 100,000 formulas, with HyperFormula and
# LibreOffice Calc as peers in the same run.
if(TARGET vistra_spreadsheet)
  vistra_benchmark(BenchSpreadRecalc SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchSpreadRecalc.cpp
    DEPENDS vistra_spreadsheet vistra_backend)
  if(TARGET BenchSpreadRecalc)
    target_compile_definitions(BenchSpreadRecalc PRIVATE VISTRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  endif()
endif()
