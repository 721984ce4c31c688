# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE frontpanel_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(frontpanel_tests_sources AND TARGET frontpanel)
  corvane_test(frontpanel_tests SOURCES ${frontpanel_tests_sources} LIBS frontpanel)
endif()
