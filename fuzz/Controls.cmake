# Fuzz target of the typed edit's stored text and lookup history.
vistra_fuzz_target(FuzzLookupPersist LIBRARIES vistra_controls vistra_backend SEEDS fuzz/seeds/lookup-history.ini fuzz/seeds/settings.ini)
