# Fuzz target of the grid's rich-text cells: reading RTF into styled runs and laying them out.
if(TARGET vistra_grid)
  vistra_fuzz_target(FuzzGridRichText LIBRARIES vistra_grid SEEDS fuzz/seeds/richtext-cell.rtf)
endif()
