# Application: loading a large marker file into a live map page through the main window, against one
# script creating the same markers, and the window answering menu clicks meanwhile.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_APP_GLIB REQUIRED IMPORTED_TARGET glib-2.0)
vistra_benchmark(BenchApp SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchApp.cpp
  DEPENDS vistra_app vistra_backend vistra_web_testing PkgConfig::BENCH_APP_GLIB)
