# Fuzz targets of the workbook engine: the container and the record stream.
vistra_fuzz_target(FuzzOle2File LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/*.xls)
vistra_fuzz_target(FuzzXlsRecords LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/*.workbook)
