# Fuzz target of the drawing model: drawings, pictures, comments and links
# read, moved with rows and columns, added to and saved.
vistra_fuzz_target(FuzzXlsDrawings LIBRARIES vistra_xls SEEDS xlsAdapter/tests/data/drawings-libreoffice.workbook xlsAdapter/tests/data/notes-libreoffice.workbook xlsAdapter/tests/data/drawings-chart-libreoffice.workbook)
