# Input controls: the lookup list per keystroke and text truncation.
if(TARGET vistra_controls)
  vistra_benchmark(BenchInputControls SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchInputControls.cpp
    DEPENDS vistra_controls vistra_backend)
endif()
