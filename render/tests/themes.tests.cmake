# Tests of the style interfaces, theme detection, theme notifier and theme bindings.
vistra_tests(render_themes_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ThemeDetectionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemeNotifierTest.cpp
  DEPENDS vistra_render vistra_backend)
# The theme library bindings against a library of the test's making and against
# the desktop's GTK theme; a program of its own, as it installs hosts.
vistra_tests(render_themelib_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ThemeLibraryTest.cpp
  DEPENDS vistra_render vistra_backend vistra_testsupport_golden)
