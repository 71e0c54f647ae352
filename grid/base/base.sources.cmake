# The grid vocabulary, the base grid and its cell properties and merged cells.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GridEnumNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSelectionLooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellProperties.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridPainting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridNavigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MergedCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGridUndo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnDD.cpp
)
