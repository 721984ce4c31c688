# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE organisers_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(organisers_tests_sources AND TARGET corvane_organisers)
  corvane_test(corvane_organisers_tests SOURCES ${organisers_tests_sources} LIBS corvane_organisers)
endif()
