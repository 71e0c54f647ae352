# Every save of the program under a read-only disk, a full disk, a failing
# rename, a private file and a symbolic link.
vistra_tests(save_tests HEADLESS
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/saves/SavesTest.cpp
  DEPENDS vistra_grid vistra_memo vistra_xls vistra_xml vistra_graphics vistra_classes vistra_backend)
