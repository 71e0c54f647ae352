# Fuzz target of workbook loading and saving (globals and sheet sections).
vistra_fuzz_target(FuzzXlsWorkbook LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/*.workbook)
