# Style interfaces, platform tests, Office theme detection, the theme notifier
# and the theme-library bindings.
list(APPEND RENDER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/OperatingSystemFacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemeBinders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemeDetection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemeNotifier.cpp)
