# Fuzz target of the grid viewer's CSV reader.
if(TARGET vistra_gridview_demo)
  vistra_fuzz_target(FuzzGridViewCsv LIBRARIES vistra_gridview_demo SEEDS fuzz/seeds/gridview.csv)
endif()
