# One front-panel-style poll against the simulator at 38400 baud, in real time.
add_executable(poll_bench ${CMAKE_CURRENT_LIST_DIR}/PollBench.cpp)
target_link_libraries(poll_bench PRIVATE corvane_core Qt6::Core)
set_target_properties(poll_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
target_compile_options(poll_bench PRIVATE -O2)
if(TARGET ft817-sim)
  add_dependencies(poll_bench ft817-sim)
endif()
