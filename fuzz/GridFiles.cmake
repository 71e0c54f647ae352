# Fuzz targets of the string grid's file readers.
vistra_fuzz_target(FuzzGridCsv LIBRARIES vistra_grid SEEDS grid/files/tests/data/awkward.csv)
vistra_fuzz_target(FuzzGridTextStream LIBRARIES vistra_grid vistra_backend SEEDS grid/files/tests/data/stream.gridtext)
vistra_fuzz_target(FuzzGridXml LIBRARIES vistra_grid vistra_backend SEEDS grid/files/tests/data/records.xml)
vistra_fuzz_target(FuzzGridClipboardText LIBRARIES vistra_grid SEEDS grid/files/tests/data/clipboard.txt)
vistra_fuzz_target(FuzzGridBinStream LIBRARIES vistra_grid vistra_backend SEEDS grid/files/tests/data/*.grid)
vistra_fuzz_target(FuzzGridClipboardCells LIBRARIES vistra_grid vistra_backend SEEDS grid/files/tests/data/*.grid)
vistra_fuzz_target(FuzzCsvDelimiter LIBRARIES vistra_grid SEEDS grid/files/tests/data/awkward.csv)
vistra_fuzz_target(FuzzClipboardRoundTrip LIBRARIES vistra_grid SEEDS grid/files/tests/data/clipboard.txt)
