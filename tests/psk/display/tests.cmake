# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE pskdisplay_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(pskdisplay_tests_sources AND TARGET pskdisplay)
  corvane_test(pskdisplay_tests SOURCES ${pskdisplay_tests_sources} LIBS pskdisplay)
endif()
