# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE psktools_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(psktools_tests_sources AND TARGET brevio_tools)
  corvane_test(brevio_tools_tests SOURCES ${psktools_tests_sources} LIBS brevio_tools)
  # The program runs on the scripted stand-in engine built with the core's tests.
  if(TARGET dspscripted)
    add_dependencies(brevio_tools_tests dspscripted)
    target_compile_definitions(brevio_tools_tests PRIVATE DSP_SCRIPTED="$<TARGET_FILE:dspscripted>")
  endif()
endif()
# The program end to end on the real engine.
if(TARGET brevio_tools_tests AND TARGET pskmodem117)
  add_dependencies(brevio_tools_tests pskmodem117)
  target_compile_definitions(brevio_tools_tests PRIVATE DSP_LIBRARY_REAL="$<TARGET_FILE:pskmodem117>")
endif()
