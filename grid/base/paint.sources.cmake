# Painting utilities: gradients, selection box, colour arithmetic, buttons,
# cell shapes, transparent bitmaps, layered windows, and the value indicators.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilShapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillUtilIndicators.cpp)
