# Rendering support: measuring and drawing mini-HTML cell texts.
vistra_benchmark(BenchHTMLRender SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchHTMLRender.cpp DEPENDS vistra_render)
