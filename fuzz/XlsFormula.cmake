# Fuzz target of the formula coders: formula text and token arrays.
vistra_fuzz_target(FuzzXlsFormula LIBRARIES vistra_xls SEEDS fuzz/seeds/formula*)
