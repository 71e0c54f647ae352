# Fuzz target of cell and document text: the HTML renderer, markup stripping, the
# filter language, and mini-HTML and RTF into an RTF document.
if(TARGET vistra_grid_base AND TARGET vistra_memo)
  add_executable(FuzzMarkupText ${CMAKE_CURRENT_LIST_DIR}/FuzzMarkupText.cpp)
  target_link_libraries(FuzzMarkupText PRIVATE vistra_grid_base vistra_memo)
  target_link_options(FuzzMarkupText PRIVATE -fsanitize=fuzzer)
endif()
