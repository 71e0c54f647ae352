# Tests of the mini-HTML utilities, tag vocabulary and renderer.
vistra_tests(render_html_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/HTMLUtilsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLMatchTagsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLTagsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLRendererTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLRendererGoldenTest.cpp
  DEPENDS vistra_render vistra_testsupport_golden)
