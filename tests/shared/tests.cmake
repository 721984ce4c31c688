# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE shared_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(shared_tests_sources AND TARGET shared)
  corvane_test(shared_tests SOURCES ${shared_tests_sources} LIBS shared)
endif()
