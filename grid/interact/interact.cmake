# Keyboard, in-place editing and navigation of the string grid.
target_sources(vistra_grid PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CellEditorFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellFormControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellLinks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditCharFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridColumnMoves.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridEditCommit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridEditOpen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridEnterTab.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormsState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridClicks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridFilterDropDown.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridFixedEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridHover.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridHoverItems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridBalloon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridHeaderClick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridHeaderSelect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridHeaderSortMerge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSizingEvents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridWheelPan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridDisjunctClick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridDragOut.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridOleDrop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridFillHandle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLHintWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSelectCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillInplaceEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpecialEditors.cpp)

vistra_tests(grid_interact_tests HEADLESS
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridEditingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridEditFooterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridSelListenerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridNavigationTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridEditorKindsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridMouseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridFilterDropDownTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridHoverTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridHoverItemsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridBalloonTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridHeaderClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridHeaderSelectTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridHeaderSortMergeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridSizingEventsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridWheelPanTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridDragOutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridDisjunctClickTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridClicksTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridFormControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/GridFillHandleTest.cpp
  DEPENDS vistra_grid vistra_backend)
