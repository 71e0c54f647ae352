# Fuzz target of cell and document text: the HTML renderer, markup stripping, the
# filter language, and mini-HTML and RTF into an RTF document.
if(TARGET vistra_grid_base AND TARGET vistra_memo)
  vistra_fuzz_target(FuzzMarkupText LIBRARIES vistra_grid_base vistra_memo
    SEEDS fuzz/seeds/markup.txt fuzz/seeds/filter.txt fuzz/seeds/document.rtf)
endif()
