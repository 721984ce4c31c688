# Both programs together: FT-817 Corvane as its own process on the simulator,
# PSK31 Brevio's main frame in the test on the real engine or as a process of
# its own, talking over the programs' real local socket.
file(GLOB e2e_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
if(e2e_tests_sources AND TARGET brevio_core AND TARGET corvane AND TARGET brevio AND TARGET pskmodem117)
  corvane_test(e2e_tests SOURCES ${e2e_tests_sources} LIBS brevio_core)
  add_dependencies(e2e_tests corvane brevio pskmodem117)
  target_compile_definitions(e2e_tests PRIVATE
    CORVANE_PROGRAM="$<TARGET_FILE:corvane>"
    BREVIO_PROGRAM="$<TARGET_FILE:brevio>"
    DSP_LIBRARY_REAL="$<TARGET_FILE:pskmodem117>")
endif()
