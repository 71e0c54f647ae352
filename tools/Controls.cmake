# The drop-down example program and its test on a real display.
find_package(PkgConfig REQUIRED)
pkg_check_modules(DROPDOWNDEMO_GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)

vistra_library(vistra_dropdowndemo_form SOURCES dropdowndemo/DropDownDemoForm.cpp
  dropdowndemo/DropDownDemoValueEditors.cpp DEPENDS vistra_controls)

add_executable(vistra_dropdowndemo dropdowndemo/DropDownDemo.cpp)
target_link_libraries(vistra_dropdowndemo PRIVATE vistra_dropdowndemo_form vistra_backend)

# Alone on the display: real pointer clicks land on whatever window is on top.
vistra_tests(dropdowndemo_tests SOURCES dropdowndemo/tests/DropDownDemoTest.cpp
  dropdowndemo/tests/ValueEditorsDemoTest.cpp
  DEPENDS vistra_dropdowndemo_form vistra_backend PkgConfig::DROPDOWNDEMO_GTK3
  PROPERTIES RUN_SERIAL TRUE)
