# Tests of the grid vocabulary, the base grid, cell properties and merged cells.
vistra_tests(grid_base_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GridVocabularyTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellPropertiesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MergedCellsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridNavigationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridPaintingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnDDTest.cpp
  DEPENDS vistra_grid_base vistra_backend vistra_testsupport_golden)
