# Tests of the picture container, HTML images and embedded form controls.
vistra_tests(render_objects_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PictureContainerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureTestFiles.cpp
  DEPENDS vistra_render)
