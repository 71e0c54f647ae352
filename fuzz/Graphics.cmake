# Fuzz targets of the picture decoders, one per file format.
foreach(target FuzzGraphicsBmp FuzzGraphicsPng FuzzGraphicsJpeg FuzzGraphicsGif FuzzGraphicsIco)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE vistra_graphics)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
