#pragma once
// FT-817 Corvane as a second process of a test, on a given radio port. It
// comes up without a human: the stored start-up port and speed name the
// radio, and the start-up dialog connects by itself.
//
//   testsupport::Simulator sim;
//   CorvaneProcess corvane(QString::fromUtf8(CORVANE_PROGRAM), sim.portPath());
//   ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics();
#include "support/ProgramProcess.h"

#include <QMap>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

class CorvaneProcess : public ProgramProcess {
public:
    static constexpr const char* kIdentifier = "VE817-Corvane-QT9XVK-Application";

    // program: the executable (the program or its probed build);
    // environment: more variables for it (a probe's name, a display);
    // stored: more values of its settings section "Options".
    CorvaneProcess(const QString& program, const QString& radioPort, const QMap<QString, QString>& environment = {},
                   const QMap<QString, QVariant>& stored = {});

    // Until the main window's front panel answers message 1090 command 2 with
    // a frequency (the start-up search and the memory load are over).
    bool WaitUntilServing(int timeoutMs = 30000);
    // One message 1090 as another program sends it; nullopt: no answer.
    static std::optional<uint32_t> Send(uint32_t command, int32_t argument, int timeoutMs = 2000);
    bool RequestClose() { return ProgramProcess::RequestClose(QString::fromLatin1(kIdentifier)); }
};
