# Fuzz target of the GIF frame scan behind animated pictures in cell text.
vistra_fuzz_target(FuzzGifFrameHeaders LIBRARIES vistra_render
  SEEDS platform/graphics/tests/data/seeds/*.gif platform/graphics/tests/data/hostile/*.gif
  render/tests/data/*.gif)
