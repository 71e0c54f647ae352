# Fuzz targets of the picture decoders, one per file format, replaying the
# readers' hostile fixtures too.
set(hostile_Bmp platform/graphics/tests/data/hostile/*.bmp)
set(hostile_Gif platform/graphics/tests/data/hostile/*.gif)
set(hostile_Ico platform/graphics/tests/data/hostile/*.ico)
foreach(format Bmp:bmp Png:png Jpeg:jpg Gif:gif Ico:ico)
  string(REPLACE ":" ";" parts ${format})
  list(GET parts 0 name)
  list(GET parts 1 extension)
  vistra_fuzz_target(FuzzGraphics${name} LIBRARIES vistra_graphics
    SEEDS platform/graphics/tests/data/seeds/*.${extension} ${hostile_${name}})
endforeach()
