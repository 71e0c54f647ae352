# Fuzz target of worksheets read, changed and saved through the file object.
vistra_fuzz_target(FuzzXlsFileObject LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/*.workbook)
