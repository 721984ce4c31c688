#pragma once
// PSK31 Brevio's log window, for tests that run its main frame in the test
// program.
#include "support/TestEnvironment.h"

#include <QString>

namespace testsupport {

// Runs the program's events until its log window holds the line, at most ms.
bool WaitForLog(const QString& line, int ms = longestWaitMs());

} // namespace testsupport
