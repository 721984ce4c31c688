# Both programs together: FT-817 Corvane as its own process on the simulator,
# PSK31 Brevio's main frame in the test on the real engine or as a process of
# its own, talking over the programs' real local socket.
file(GLOB e2e_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(e2e_tests_sources AND TARGET brevio_core AND TARGET corvane AND TARGET brevio AND TARGET pskmodem117)
  corvane_test(e2e_tests SOURCES ${e2e_tests_sources} LIBS brevio_core)
  corvane_test_paths(e2e_tests CORVANE_PROGRAM corvane BREVIO_PROGRAM brevio DSP_LIBRARY_REAL pskmodem117)
endif()

# FT-817 Corvane with a probe (probe/CorvaneProbe.cpp): the program's own main
# and libraries, plus a socket through which the line-fault tests act as the
# operator inside the running process.
if(TARGET e2e_tests AND TARGET corvane_organisers)
  add_executable(corvane-probed ${CMAKE_CURRENT_LIST_DIR}/probe/CorvaneProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe/ProbeCommands.cpp ${CMAKE_CURRENT_LIST_DIR}/probe/ProbeCommands.h
    ${CMAKE_CURRENT_LIST_DIR}/probe/BoxPrompter.cpp ${CMAKE_CURRENT_LIST_DIR}/probe/BoxPrompter.h
    ${PROJECT_SOURCE_DIR}/tests/support/LayoutCheck.cpp ${PROJECT_SOURCE_DIR}/tests/support/LayoutCheck.h)
  target_include_directories(corvane-probed PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(corvane-probed PRIVATE platform shared corvane_core corvane_memory corvane_frontpanel
    corvane_organisers Qt6::Widgets Qt6::Test)
  set_target_properties(corvane-probed PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  corvane_test_paths(e2e_tests CORVANE_PROBED_PROGRAM corvane-probed)
endif()

# PSK31 Brevio with a probe (probe/BrevioProbe.cpp): the program's own main
# and libraries, plus a socket through which a test types and presses keys
# in the running process. It loads the engine from its own folder, as the
# program does.
if(TARGET e2e_tests AND TARGET brevio_display AND TARGET brevio_tools)
  add_executable(brevio-probed ${CMAKE_CURRENT_LIST_DIR}/probe/BrevioProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe/ProbeCommands.cpp ${CMAKE_CURRENT_LIST_DIR}/probe/ProbeCommands.h
    ${CMAKE_CURRENT_LIST_DIR}/probe/BoxPrompter.cpp ${CMAKE_CURRENT_LIST_DIR}/probe/BoxPrompter.h)
  target_include_directories(brevio-probed PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(brevio-probed PRIVATE platform shared brevio_core brevio_display brevio_tools
    Qt6::Widgets Qt6::Test)
  set_target_properties(brevio-probed PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  add_dependencies(brevio-probed pskmodem117)
  corvane_test_paths(e2e_tests BREVIO_PROBED_PROGRAM brevio-probed)
endif()
