# Tests of the picture container, HTML images and embedded form controls.
vistra_tests(render_objects_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PictureContainerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GifFrameHeadersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureTestFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HTMLControlTagsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HTMLControlLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HTMLImagesTest.cpp
  DEPENDS vistra_render vistra_testsupport_golden)
