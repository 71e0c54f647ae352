# The window layer's example program and its test on a real display.
find_package(PkgConfig REQUIRED)
pkg_check_modules(UIDEMO_GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)

vistra_library(vistra_uidemo_form SOURCES uidemo/DemoForm.cpp DEPENDS vistra_ui)
vistra_library(vistra_uidemo_mdi SOURCES uidemo/MdiDemoForm.cpp DEPENDS vistra_menus)

add_executable(vistra_uidemo uidemo/UiDemo.cpp)
target_link_libraries(vistra_uidemo PRIVATE vistra_uidemo_form vistra_uidemo_mdi vistra_backend)



# Alone on the display: another program's window would take the focus or
# cover the window being photographed.
vistra_tests(uidemo_tests SOURCES uidemo/tests/UiDemoTest.cpp
  DEPENDS vistra_uidemo_form vistra_backend PkgConfig::UIDEMO_GTK3
  PROPERTIES RUN_SERIAL TRUE)
