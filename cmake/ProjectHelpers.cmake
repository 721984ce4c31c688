# corvane_library(<name> SOURCES ... LIBS ...)
# One static library per source folder.
function(corvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# The time limit of every test case, in seconds: the one place it is set
# (scripts/test passes none of its own). A test reads it at run time
# (testsupport::longestWaitMs) and keeps each of its waits well inside it,
# so a wait that runs out reports its message before the limit kills it.
set(CORVANE_TEST_TIMEOUT 60 CACHE STRING "Time limit of each test case, in seconds")

# corvane_test(<name> SOURCES ... LIBS ...), called from tests/<folder>/tests.cmake
# (sources relative to that folder).
# A GoogleTest executable with the shared test main (QApplication, offscreen,
# isolated settings, data and runtime folders). Each test case is its own CTest test.
function(corvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(sources)
  foreach(src ${ARG_SOURCES})
    if(IS_ABSOLUTE ${src})
      list(APPEND sources ${src})
    else()
      list(APPEND sources ${CMAKE_CURRENT_LIST_DIR}/${src})
    endif()
  endforeach()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE testsupport ${ARG_LIBS})
  # Test code runs little and compiles a third faster unoptimised; the code
  # under test keeps its own flags.
  target_compile_options(${name} PRIVATE -Wall -Wno-unused-parameter -O0)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT ${CORVANE_TEST_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CORVANE_BUILD_DIR=${PROJECT_BINARY_DIR};CORVANE_TEST_TIMEOUT=${CORVANE_TEST_TIMEOUT}")
endfunction()

# corvane_test_paths(<test target> <MACRO> <target> [<MACRO> <target>...])
# Gives the test's sources <MACRO>, the path of <target>'s file, and builds
# <target> first. The path is compiled in relative to the build folder and
# completed at run time, so no object depends on where the tree is checked
# out and ccache serves a fresh clone from another checkout's compiles.
function(corvane_test_paths test)
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args macro target)
    add_dependencies(${test} ${target})
    target_compile_definitions(${test} PRIVATE
      "${macro}=testsupport::buildPath(\"$<PATH:RELATIVE_PATH,$<TARGET_FILE:${target}>,${PROJECT_BINARY_DIR}>\")")
  endwhile()
endfunction()
