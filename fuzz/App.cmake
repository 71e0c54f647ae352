# Fuzz target of the marker-file reader.
vistra_fuzz_target(FuzzMarkerFile LIBRARIES vistra_app SEEDS fuzz/seeds/markers*.txt)
