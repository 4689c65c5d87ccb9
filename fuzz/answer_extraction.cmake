zor_add_fuzzer(answer_extraction
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/answer_extraction.cpp
  LIBS zor_link)
