# Tests of the mini-HTML utilities, tag vocabulary and renderer.
vistra_tests(render_html_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/HTMLUtilsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLMatchTagsTest.cpp
  DEPENDS vistra_render)
