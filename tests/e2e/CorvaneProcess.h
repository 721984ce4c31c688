#pragma once
// FT-817 Corvane as a second process of a test, on a given radio port. It
// comes up without a human: the stored start-up port and speed name the
// radio, and the start-up dialog connects by itself.
//
//   testsupport::Simulator sim;
//   CorvaneProcess corvane(sim.portPath());
//   ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics();
#include "ProgramProcess.h"

#include <optional>

class CorvaneProcess : public ProgramProcess {
public:
    static constexpr const char* kIdentifier = "VE817-Corvane-QT9XVK-Application";

    explicit CorvaneProcess(const QString& radioPort);

    // Until the main window's front panel answers message 1090 command 2 with
    // a frequency (the start-up search and the memory load are over).
    bool WaitUntilServing(int timeoutMs = 30000);
    // One message 1090 as another program sends it; nullopt: no answer.
    static std::optional<uint32_t> Send(uint32_t command, int32_t argument, int timeoutMs = 2000);
    bool RequestClose() { return ProgramProcess::RequestClose(QString::fromLatin1(kIdentifier)); }
};
