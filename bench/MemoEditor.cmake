# Memo editor control: opening, painting, typing and undoing over a 200,000-line file.
if(TARGET vistra_memo)
  vistra_benchmark(BenchMemoEditor SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchMemoEditor.cpp DEPENDS vistra_memo vistra_backend)
endif()
