# Application: loading a large marker file into a live map page through the main window.
vistra_benchmark(BenchApp SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchApp.cpp
  DEPENDS vistra_app vistra_backend vistra_web_testing)
