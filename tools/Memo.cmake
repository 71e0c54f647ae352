# The memo viewer: one window with the source-code memo holding a file.
add_executable(memoview memoview/MemoView.cpp)
target_link_libraries(memoview PRIVATE vistra_memo vistra_tool_common vistra_backend)

# Real X input on the display; under CTest the display is Xvfb (tools/test).
add_test(NAME memoview_xinput COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXInput.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xinput PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
add_test(NAME memoview_xmouse COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXMouse.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xmouse PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)

# Without a display the program still ends cleanly: the windows destroyed at exit
# (the focused memo loses its focus and arms its hint timer) find the timers alive.
add_test(NAME memoview_headless_exit COMMAND ${CMAKE_COMMAND} -E env VISTRA_BACKEND=headless
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_SOURCE_DIR}/memoview/MemoView.cpp
  --screenshot ${CMAKE_CURRENT_BINARY_DIR}/memoview-headless-exit.png)
set_tests_properties(memoview_headless_exit PROPERTIES TIMEOUT 30)
add_test(NAME memoview_xreplace COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXReplace.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xreplace PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
add_test(NAME memoview_xmenu COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXMenu.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xmenu PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
add_test(NAME memoview_xcomplete COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXComplete.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xcomplete PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
add_test(NAME memoview_xshared COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/memoview/tests/MemoViewXShared.sh
  $<TARGET_FILE:memoview> ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(memoview_xshared PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE TIMEOUT 60)
