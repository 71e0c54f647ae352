# Mini-HTML text: utilities, tag vocabulary and the markup renderer.
list(APPEND RENDER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/HTMLUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLEntities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLMatchTags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLTagAttributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLTags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLLinks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLRendererDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLRendererLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLRendererLayout.cpp
)
