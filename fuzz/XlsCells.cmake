# Fuzz target of cell storage: cell and ROW records loaded, read and saved.
vistra_fuzz_target(FuzzXlsCells LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/*.workbook)
