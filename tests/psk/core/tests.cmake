# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE pskcore_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(pskcore_tests_sources AND TARGET pskcore)
  corvane_test(pskcore_tests SOURCES ${pskcore_tests_sources} LIBS pskcore)
endif()
