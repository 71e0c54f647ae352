# Framework grid: a million-row string grid filled, measured, scrolled and painted.
vistra_benchmark(BenchGrid SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchGrid.cpp DEPENDS vistra_ui_grids vistra_backend)
