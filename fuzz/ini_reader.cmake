# The settings sources are compiled into the fuzzer itself so that libFuzzer
# sees the coverage of the parser, not only of the harness.
get_target_property(zor_settings_dir zor_settings SOURCE_DIR)
get_target_property(zor_settings_sources zor_settings SOURCES)
list(TRANSFORM zor_settings_sources PREPEND ${zor_settings_dir}/)
zor_add_fuzzer(ini_reader
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ini_reader.cpp ${zor_settings_sources}
  LIBS Qt6::Core)
target_include_directories(fuzz_ini_reader PRIVATE ${PROJECT_SOURCE_DIR}/src)
# Optimised even in debug builds, so a million runs take minutes, not hours.
target_compile_options(fuzz_ini_reader PRIVATE -O1)
