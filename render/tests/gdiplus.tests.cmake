# Tests of the drawing wrappers and of the picture that draws through them.
vistra_tests(render_gdiplus_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GDIPictureTest.cpp
  DEPENDS vistra_render vistra_testsupport_golden
  # Fontconfig keeps caches for the life of the process; sanitizer builds are told so.
  PROPERTIES ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/platform/graphics/tests/lsan.supp")
