# The fuzz targets replayed as ordinary tests: every seed of fuzz/corpus and
# every input that once crashed or hung a target (tests/fuzz/regressions),
# one test program per program, since the two never share one executable.
set(fuzz_dir ${PROJECT_SOURCE_DIR}/fuzz)
foreach(group corvane brevio)
  file(GLOB fuzz_${group}_targets CONFIGURE_DEPENDS ${fuzz_dir}/targets/${group}/*Target.cpp)
endforeach()
if(fuzz_corvane_targets AND TARGET corvane_organisers AND TARGET brevio_display AND TARGET pskmodem_engine)
  # Only the file that reads them gets the source folders, so the other
  # objects stay the same in every checkout and come from ccache.
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/ReplayTest.cpp PROPERTIES COMPILE_DEFINITIONS
    "FUZZ_CORPUS_DIR=\"${fuzz_dir}/corpus\";FUZZ_REGRESSION_DIR=\"${CMAKE_CURRENT_LIST_DIR}/regressions\"")
  foreach(group corvane brevio)
    if(group STREQUAL corvane)
      set(fuzz_libs corvane_organisers)
      set(fuzz_seed_${group} CorvaneSeeds.cpp)
    else()
      set(fuzz_libs brevio_display pskmodem_engine)
      set(fuzz_seed_${group} BrevioSeeds.cpp)
    endif()
    corvane_test(fuzz_${group}_replay_tests
      SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReplayTest.cpp ${CMAKE_CURRENT_LIST_DIR}/${fuzz_seed_${group}} ${fuzz_dir}/FuzzSupport.cpp ${fuzz_${group}_targets}
      LIBS ${fuzz_libs})
    target_include_directories(fuzz_${group}_replay_tests PRIVATE ${fuzz_dir})
  endforeach()
endif()
