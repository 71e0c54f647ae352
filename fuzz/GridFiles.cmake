# Fuzz targets of the string grid's file readers.
vistra_fuzz_target(FuzzGridCsv LIBRARIES vistra_grid SEEDS grid/files/tests/data/awkward.csv)
