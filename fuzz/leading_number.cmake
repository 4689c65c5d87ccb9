# The settings sources are compiled into the fuzzer itself so that libFuzzer
# sees the coverage of the number parser, not only of the harness.
get_target_property(zor_settings_dir zor_settings SOURCE_DIR)
get_target_property(zor_settings_sources zor_settings SOURCES)
list(TRANSFORM zor_settings_sources PREPEND ${zor_settings_dir}/)
zor_add_fuzzer(leading_number
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/leading_number.cpp ${zor_settings_sources}
  LIBS Qt6::Core)
target_include_directories(fuzz_leading_number PRIVATE ${PROJECT_SOURCE_DIR}/src)
# Optimised even in debug builds, so a million runs take minutes, not hours.
target_compile_options(fuzz_leading_number PRIVATE -O1)
