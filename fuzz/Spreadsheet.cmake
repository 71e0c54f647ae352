# Fuzz target of the formula evaluator over formula texts.
if(TARGET vistra_spreadsheet)
  vistra_fuzz_target(FuzzGridFormula LIBRARIES vistra_spreadsheet vistra_backend
    SEEDS fuzz/seeds/formulas.txt)
endif()
