# The grid viewer: a string grid filled from a grid file or with the demonstration.
vistra_library(vistra_gridview_demo SOURCES gridview/DemoGrid.cpp DEPENDS vistra_grid)

add_executable(gridview gridview/GridView.cpp gridview/EditorColumns.cpp)
target_link_libraries(gridview PRIVATE vistra_gridview_demo vistra_grideditors vistra_tool_common vistra_backend)

# Real X input on the display; under CTest the display is Xvfb (tools/test). Each script drives
# gridview and writes its screens to the build folder; without a display it is skipped (77).
function(gridview_xinput_test NAME SCRIPT)
  add_test(NAME ${NAME} COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gridview/tests/${SCRIPT}
    $<TARGET_FILE:gridview> ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${NAME} PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
endfunction()

gridview_xinput_test(gridview_xinput GridViewXInput.sh)

vistra_tests(gridview_tests HEADLESS SOURCES gridview/tests/GridViewLooksTest.cpp
  DEPENDS vistra_gridview_demo vistra_backend vistra_testsupport_golden)

# Editing by real X keys: typed values and Ctrl+S reach the file.
gridview_xinput_test(gridview_edit_xinput GridViewEditXInput.sh)

# Headers by the real X pointer: a click sorts, a drag on a border sizes.
gridview_xinput_test(gridview_mouse_xinput GridViewMouseXInput.sh)

# Header filter buttons by the real X pointer: the list drops and a chosen value filters.
gridview_xinput_test(gridview_filter_xinput GridViewFilterXInput.sh)

# Headers selecting whole rows and columns by the real X pointer, and the row headers sized from a data row.
gridview_xinput_test(gridview_select_xinput GridViewSelectXInput.sh)

# Hover by the real X pointer: the row under it lights up, a held BUTTON control draws pressed.
gridview_xinput_test(gridview_hover_xinput GridViewHoverXInput.sh)

# Cells dragged by the real X pointer out of gridview onto another program's window.
gridview_xinput_test(gridview_drag_xinput GridViewDragXInput.sh)

# Balloon tips by the real X pointer: resting on a cell shows one, moving off the cells hides it.
gridview_xinput_test(gridview_balloon_xinput GridViewBalloonXInput.sh)
# The drop-down cell editors by real X input: each kind opened by a double click or F4, a value
# chosen in its popup by the pointer, Enter, and Ctrl+S writes it to the file.
gridview_xinput_test(gridview_editors_xinput GridViewEditorsXInput.sh)
# File > Print by real X keys: the print dialog opens and "Print to File" writes the PDF.
gridview_xinput_test(gridview_print_xinput GridViewPrintXInput.sh)
