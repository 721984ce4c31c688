# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE pskdisplay_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(pskdisplay_tests_sources AND TARGET brevio_display)
  corvane_test(brevio_display_tests SOURCES ${pskdisplay_tests_sources} LIBS brevio_display brevio_testsupport)
  # Scripted display data through the program's DSP binding (the stand-in
  # library is built with the core's tests), and the real engine end to end.
  if(TARGET dspscripted)
    corvane_test_paths(brevio_display_tests DSP_SCRIPTED dspscripted)
  endif()
  if(TARGET pskmodem117)
    corvane_test_paths(brevio_display_tests DSP_LIBRARY_REAL pskmodem117)
  endif()
endif()
# The end-to-end test makes its signals with the engine's transmitter and
# mixes them with the channel simulator.
if(TARGET brevio_display_tests AND TARGET pskmodem_engine AND TARGET pskchannelsim)
  target_link_libraries(brevio_display_tests PRIVATE pskmodem_engine pskchannelsim)
  target_compile_definitions(brevio_display_tests PRIVATE HAVE_PSK_TRANSMITTER=1)
endif()
# The demonstration recording through the browser on the real engine.
if(TARGET brevio_display_tests AND TARGET pskdemo AND TARGET pskmodem117)
  corvane_test_paths(brevio_display_tests PSKDEMO_PROGRAM pskdemo)
endif()
