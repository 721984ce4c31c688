# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE psktools_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(psktools_tests_sources AND TARGET psktools)
  corvane_test(psktools_tests SOURCES ${psktools_tests_sources} LIBS psktools)
endif()
