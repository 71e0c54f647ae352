# The grid viewer: a string grid filled from a grid file or with the demonstration.
vistra_library(vistra_gridview_demo SOURCES gridview/DemoGrid.cpp DEPENDS vistra_grid)

add_executable(gridview gridview/GridView.cpp)
target_link_libraries(gridview PRIVATE vistra_gridview_demo vistra_backend)

# Real X input on the display; under CTest the display is Xvfb (tools/test).
add_test(NAME gridview_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

vistra_tests(gridview_tests HEADLESS SOURCES gridview/tests/GridViewLooksTest.cpp
  DEPENDS vistra_gridview_demo vistra_backend vistra_testsupport_golden)

# Editing by real X keys: typed values and Ctrl+S reach the file.
add_test(NAME gridview_edit_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewEditXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_edit_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Headers by the real X pointer: a click sorts, a drag on a border sizes.
add_test(NAME gridview_mouse_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewMouseXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_mouse_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Header filter buttons by the real X pointer: the list drops and a chosen value filters.
add_test(NAME gridview_filter_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewFilterXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_filter_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Headers selecting whole rows and columns by the real X pointer: a click and a drag.
add_test(NAME gridview_select_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewSelectXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_select_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Hover by the real X pointer: the row under it lights up, a held BUTTON control draws pressed.
add_test(NAME gridview_hover_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewHoverXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_hover_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Cells dragged by the real X pointer out of gridview onto another program's window.
add_test(NAME gridview_drag_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/GridViewDragXInput.sh
  $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(gridview_drag_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
