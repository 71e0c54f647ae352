# Fuzz targets of the picture decoders, one per file format.
foreach(format Bmp:bmp Png:png Jpeg:jpg Gif:gif Ico:ico)
  string(REPLACE ":" ";" parts ${format})
  list(GET parts 0 name)
  list(GET parts 1 extension)
  vistra_fuzz_target(FuzzGraphics${name} LIBRARIES vistra_graphics
    SEEDS platform/graphics/tests/data/seeds/*.${extension})
endforeach()
