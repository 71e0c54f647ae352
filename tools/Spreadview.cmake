# spreadview: a workbook of spreadsheet sheets to type formulas into.
add_executable(spreadview spreadview/SpreadView.cpp)
target_link_libraries(spreadview PRIVATE vistra_spreadsheet vistra_backend)

# Real X input: formulas typed, a row inserted above them, a sheet added from the tabs.
add_test(NAME spreadview_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/spreadview/tests/SpreadViewXInput.sh
  $<TARGET_FILE:spreadview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(spreadview_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
