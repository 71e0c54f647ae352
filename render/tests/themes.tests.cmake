# Tests of the style interfaces, theme detection, theme notifier and theme bindings.
vistra_tests(render_themes_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ThemeDetectionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemeNotifierTest.cpp
  DEPENDS vistra_render vistra_backend)
