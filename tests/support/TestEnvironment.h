#pragma once
#include <QString>

namespace testsupport {

// Every test runs with its own settings, data and runtime folders under one
// temporary root; these give their paths.
QString rootFolder();
QString dataFolder();
QString settingsFolder();
// Empties settings and data between test cases run in one process.
void resetEnvironment();
// The build tree (for helper programs such as the simulator).
QString buildDir();
// A file of the build tree named relative to it; the text lives as long as
// the test program.
const char* buildPath(const char* relative);
// The time limit of the running test case (ctest's, CORVANE_TEST_TIMEOUT),
// and the longest a single wait inside it may take: half of it, so that a
// wait that runs out still reports its message before the limit strikes.
int testTimeLimitMs();
int longestWaitMs();

} // namespace testsupport
