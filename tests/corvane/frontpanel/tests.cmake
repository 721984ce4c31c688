# Every *Test.cpp in this folder (and below) goes into one test program; the
# remote/ folder is a program of its own.
file(GLOB_RECURSE frontpanel_tests_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
list(FILTER frontpanel_tests_sources EXCLUDE REGEX "/remote/")
if(frontpanel_tests_sources AND TARGET corvane_frontpanel)
  corvane_test(corvane_frontpanel_tests SOURCES ${frontpanel_tests_sources} LIBS corvane_frontpanel)

  # The other program of the remote-command tests.
  add_executable(remote-command-client ${CMAKE_CURRENT_LIST_DIR}/remote/RemoteClient.cpp)
  target_include_directories(remote-command-client PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(remote-command-client PRIVATE platform Qt6::Core)
  set_target_properties(remote-command-client PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  corvane_test_paths(corvane_frontpanel_tests REMOTE_CLIENT remote-command-client)
endif()
