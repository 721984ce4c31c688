# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE psktools_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(psktools_tests_sources AND TARGET brevio_tools)
  corvane_test(brevio_tools_tests SOURCES ${psktools_tests_sources} LIBS brevio_tools)
  # The program runs on the scripted stand-in engine built with the core's tests.
  if(TARGET dspscripted)
    corvane_test_paths(brevio_tools_tests DSP_SCRIPTED dspscripted)
  endif()
endif()
# The program end to end on the real engine.
if(TARGET brevio_tools_tests AND TARGET pskmodem117)
  corvane_test_paths(brevio_tools_tests DSP_LIBRARY_REAL pskmodem117)
endif()
# The demonstration recording, played to the program on the real engine.
if(TARGET brevio_tools_tests AND TARGET pskdemo AND TARGET pskmodem117)
  corvane_test_paths(brevio_tools_tests PSKDEMO_PROGRAM pskdemo)
endif()
