# Tests of the stand-alone editor controls, driven through the headless backend.
vistra_tests(grid_editors_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EditorsTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnEditBtnTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnComboBoxTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnSpinEditTest.cpp
  ${PROJECT_SOURCE_DIR}/platform/graphics/tests/GoldenImage.cpp
  DEPENDS vistra_grid_base vistra_backend)
