# The grid vocabulary, the base grid and its cell properties and merged cells.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GridEnumNames.cpp
)
