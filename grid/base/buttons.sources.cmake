# The grid's painted button and check box with their action link, the hint
# content, the cell checker, and the date-time picker with its plain base.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GridButtonAction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridButtonLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillCheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGridButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGridButtonPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlainDateTimePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillHintInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnDateTimePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnDateTimePickerPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGridCheck.cpp)
