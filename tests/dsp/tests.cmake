# Engine tests: the blocks and the modem linked statically, real wave files
# through the whole engine, and the shared library loaded as the program does.
file(GLOB dsp_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(dsp_tests_sources AND TARGET pskmodem_engine)
  corvane_test(dsp_tests SOURCES ${dsp_tests_sources} LIBS pskmodem_engine pskchannelsim)
  target_compile_definitions(dsp_tests PRIVATE PSKMODEM_LIBRARY_PATH="$<TARGET_FILE:pskmodem117>")
  add_dependencies(dsp_tests pskmodem117)
  if(TARGET pskdemo)
    add_dependencies(dsp_tests pskdemo)
    target_compile_definitions(dsp_tests PRIVATE PSKDEMO_PROGRAM="$<TARGET_FILE:pskdemo>")
  endif()
endif()
