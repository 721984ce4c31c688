# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE core_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(core_tests_sources AND TARGET corvane_core)
  corvane_test(corvane_core_tests SOURCES ${core_tests_sources} LIBS corvane_core)
endif()
