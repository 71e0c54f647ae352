# Fuzz target of the drawing record tree: loading across carriers, planning
# the save and copying.
vistra_fuzz_target(FuzzXlsEscher LIBRARIES vistra_xls SEEDS fuzz/seeds/drawing.escher)
