# The front panel's cost per poll: rendering one poll's state into every
# control at the large size, and the poll's CAT time against the wire.
if(TARGET corvane_frontpanel)
  add_executable(frontpanel_bench ${CMAKE_CURRENT_LIST_DIR}/FrontPanelBench.cpp)
  target_link_libraries(frontpanel_bench PRIVATE corvane_frontpanel Qt6::Widgets)
  set_target_properties(frontpanel_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  target_compile_options(frontpanel_bench PRIVATE -O2)
  if(TARGET ft817-sim)
    add_dependencies(frontpanel_bench ft817-sim)
  endif()
endif()
