# The fuzz targets and the libraries each one feeds (the solver brings the level library with
# it); fuzz/ builds them for libFuzzer, tests/fuzz replays their corpora in `make check`.
set(PUSHWELL_FUZZ_TARGETS level_import score_file convert solver)
set(PUSHWELL_FUZZ_LIBRARIES_level_import pushwell_level)
set(PUSHWELL_FUZZ_LIBRARIES_score_file pushwell_score pushwell_level)
set(PUSHWELL_FUZZ_LIBRARIES_convert pushwell_level)
set(PUSHWELL_FUZZ_LIBRARIES_solver pushwell_solver)
