# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE memory_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(memory_tests_sources AND TARGET corvane_memory)
  corvane_test(corvane_memory_tests SOURCES ${memory_tests_sources} LIBS corvane_memory)
endif()
