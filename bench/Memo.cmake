# Memo editor: loading, saving and editing the memo's line list.
if(TARGET vistra_memo)
  vistra_benchmark(BenchMemoLines SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchMemoLines.cpp DEPENDS vistra_memo)
endif()
