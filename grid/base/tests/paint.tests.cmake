# Tests of the painting utilities and the value indicators.
vistra_tests(grid_paint_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilButtonsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilIndicatorsTest.cpp
  DEPENDS vistra_grid_base vistra_backend vistra_testsupport_golden)
