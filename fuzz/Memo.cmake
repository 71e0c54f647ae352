# Fuzz target of the memo's settings file.
vistra_fuzz_target(FuzzMemoSettings LIBRARIES vistra_memo vistra_backend SEEDS fuzz/seeds/memo-settings.ini)
