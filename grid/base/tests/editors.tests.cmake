# Tests of the stand-alone editor controls, driven through the headless backend.
vistra_tests(grid_editors_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SarnEditBtnTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnComboBoxTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnSpinEditTest.cpp
  DEPENDS vistra_grid_base vistra_backend vistra_testsupport_golden)
