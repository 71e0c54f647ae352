# Graphics: drawing cell texts and encoding screen-sized pictures.
vistra_benchmark(BenchGraphics SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGraphics.cpp DEPENDS vistra_graphics)
