# Map control: adding markers to a live page, in the real browser and on the recording engine.
vistra_benchmark(BenchMapMarkers SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchMapMarkers.cpp
  DEPENDS vistra_map vistra_web_testing vistra_backend)
