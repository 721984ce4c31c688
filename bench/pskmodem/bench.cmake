# The modem's benchmark: character error rate against SNR and CPU per channel count.
if(TARGET pskmodem_engine AND TARGET pskchannelsim)
  add_executable(pskmodem_bench ${CMAKE_CURRENT_LIST_DIR}/PskModemBench.cpp)
  target_link_libraries(pskmodem_bench PRIVATE pskmodem_engine pskchannelsim)
  target_compile_options(pskmodem_bench PRIVATE -O2 -Wall)
  set_target_properties(pskmodem_bench PROPERTIES AUTOMOC OFF RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endif()
