# The stand-alone editor controls: the edit with a button, the unit edit, the combo box and the spin edit.
list(APPEND GRID_BASE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EditorLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnEditButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnEditBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnUnitEditBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnComboBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnComboPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnSpinButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnSpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SarnSpinEditKeys.cpp
)
