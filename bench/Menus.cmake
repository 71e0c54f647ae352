# Styled menus: opening a popup to its first full paint, against a plain popup of the same items.
if(TARGET vistra_menus)
  vistra_benchmark(BenchStyledPopup SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchStyledPopup.cpp DEPENDS vistra_menus vistra_backend)
endif()
