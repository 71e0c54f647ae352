# Picture container and HTML pictures, images in the markup, and embedded form controls.
list(APPEND RENDER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GifFrameHeaders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureContainer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLControlTags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLControlLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HTMLImages.cpp
)
