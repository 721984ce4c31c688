# Every *Test.cpp in this folder (and below) goes into one test program.
file(GLOB_RECURSE pskcore_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(pskcore_tests_sources AND TARGET brevio_core)
  corvane_test(brevio_core_tests SOURCES ${pskcore_tests_sources} LIBS brevio_core brevio_testsupport)

  # Stand-in DSP libraries for the binding's failure paths: a complete one and
  # one that lacks two entry points.
  foreach(variant full missing)
    add_library(dspstub_${variant} MODULE ${CMAKE_CURRENT_LIST_DIR}/stub/DspStub.c)
    set_target_properties(dspstub_${variant} PROPERTIES C_VISIBILITY_PRESET hidden AUTOMOC OFF
      LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/dspstub_${variant})
  endforeach()
  target_compile_definitions(dspstub_missing PRIVATE STUB_OMIT)
  corvane_test_paths(brevio_core_tests DSP_STUB_FULL dspstub_full DSP_STUB_MISSING dspstub_missing)
  # A stand-in that plays back scripted display data (spectrum, raw samples,
  # phase vectors, channel frequencies); the display's tests use it too.
  add_library(dspscripted MODULE ${CMAKE_CURRENT_LIST_DIR}/stub/ScriptedDsp.c)
  set_target_properties(dspscripted PROPERTIES C_VISIBILITY_PRESET hidden AUTOMOC OFF
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/dspscripted)
  corvane_test_paths(brevio_core_tests DSP_SCRIPTED dspscripted)
  if(TARGET pskmodem117)
    corvane_test_paths(brevio_core_tests DSP_LIBRARY_REAL pskmodem117)
  endif()
endif()

# The recording engine the main frame's tests load through the binding.
if(TARGET brevio_core_tests)
  add_library(dsprecorder MODULE ${CMAKE_CURRENT_LIST_DIR}/recorder/DspRecorder.cc)
  set_target_properties(dsprecorder PROPERTIES CXX_VISIBILITY_PRESET hidden AUTOMOC OFF
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/dsprecorder)
  corvane_test_paths(brevio_core_tests DSP_RECORDER dsprecorder)
endif()
