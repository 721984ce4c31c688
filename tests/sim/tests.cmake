corvane_test(sim_tests
  SOURCES RadioTest.cpp SessionTest.cpp SimulatorPtyTest.cpp SimulatorControlTest.cpp
  LIBS ft817sim)
