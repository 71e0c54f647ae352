# Tests of the grid vocabulary, the base grid, cell properties and merged cells.
vistra_tests(grid_base_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GridBaseTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridVocabularyTest.cpp
  DEPENDS vistra_grid_base vistra_backend)
