# Engine tests: the blocks and the modem linked statically, real wave files
# through the whole engine, and the shared library loaded as the program does.
file(GLOB dsp_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(dsp_tests_sources AND TARGET pskmodem_engine)
  corvane_test(dsp_tests SOURCES ${dsp_tests_sources} LIBS pskmodem_engine pskchannelsim)
  corvane_test_paths(dsp_tests PSKMODEM_LIBRARY_PATH pskmodem117)
  if(TARGET pskdemo)
    corvane_test_paths(dsp_tests PSKDEMO_PROGRAM pskdemo)
  endif()
  # The tools' command lines (ToolUsageTest).
  if(TARGET pskchannelsim_tool)
    corvane_test_paths(dsp_tests PSKCHANNELSIM_PROGRAM pskchannelsim_tool)
  endif()
  if(TARGET ft817-sim)
    corvane_test_paths(dsp_tests FT817SIM_PROGRAM ft817-sim)
  endif()
endif()
