# Drawing wrappers over the vector drawing API, and the picture that draws through them.
list(APPEND RENDER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPBrushes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPGraphics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuillGDIPDrawText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GDIPicture.cpp)
