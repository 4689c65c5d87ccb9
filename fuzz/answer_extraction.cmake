# The extraction and status sources are compiled into the target as well, so
# the fuzzer's coverage feedback reaches them (the library is not instrumented).
zor_add_fuzzer(answer_extraction
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/answer_extraction.cpp
          ${PROJECT_SOURCE_DIR}/src/link/QueryAnswer.cpp
          ${PROJECT_SOURCE_DIR}/src/link/BusStatusText.cpp
  LIBS zor_link)
