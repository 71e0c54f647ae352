# Tests of the grid button and check box, the hint content, the cell checker
# and the date-time picker.
vistra_tests(grid_buttons_tests HEADLESS SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillGridButtonTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGridButtonPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillCheckBoxTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillHintInfoTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnDateTimePickerTest.cpp
  DEPENDS vistra_grid_base vistra_backend vistra_testsupport_golden)
