# Fuzz target of cell text: the HTML renderer, markup stripping and the filter language.
if(TARGET vistra_grid_base)
  add_executable(FuzzMarkupText ${CMAKE_CURRENT_LIST_DIR}/FuzzMarkupText.cpp)
  target_link_libraries(FuzzMarkupText PRIVATE vistra_grid_base vistra_render)
  target_link_options(FuzzMarkupText PRIVATE -fsanitize=fuzzer)
endif()
