# The running programs on an X server of the test's own, driven by real keys
# and clicks (XServer, XInput, GuiTest), read through their probes.
if(TARGET corvane-probed AND TARGET brevio-probed AND TARGET pskdemo AND TARGET ft817-sim)
  # xshot: a picture of a whole X display, for a failing check and for tests
  # that look at pixels.
  add_executable(xshot ${CMAKE_CURRENT_LIST_DIR}/xshot.cpp)
  target_link_libraries(xshot PRIVATE Qt6::Gui)
  set_target_properties(xshot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

  file(GLOB gui_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
  list(REMOVE_ITEM gui_tests_sources ${CMAKE_CURRENT_LIST_DIR}/xshot.cpp)
  corvane_test(gui_tests SOURCES ${gui_tests_sources})
  corvane_test_paths(gui_tests CORVANE_PROBED_PROGRAM corvane-probed BREVIO_PROBED_PROGRAM brevio-probed
    PSKDEMO_PROGRAM pskdemo XSHOT_PROGRAM xshot)
endif()
