#pragma once
// FT-817 Corvane as a second process of a test, on a given radio port, with
// its own settings and data folders but the test's runtime folder (where the
// programs find each other). It comes up without a human: the stored start-up
// port and speed name the radio, and the start-up dialog connects by itself.
//
//   testsupport::Simulator sim;
//   CorvaneProcess corvane(sim.portPath());
//   ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics();
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdint>
#include <optional>

class CorvaneProcess {
public:
    static constexpr const char* kIdentifier = "VE817-Corvane-QT9XVK-Application";

    explicit CorvaneProcess(const QString& radioPort);
    ~CorvaneProcess();
    CorvaneProcess(const CorvaneProcess&) = delete;
    CorvaneProcess& operator=(const CorvaneProcess&) = delete;

    // Until the main window's front panel answers message 1090 command 2 with
    // a frequency (the start-up search and the memory load are over).
    bool WaitUntilServing(int timeoutMs = 30000);
    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    // One message 1090 as another program sends it; nullopt: no answer.
    static std::optional<uint32_t> Send(uint32_t command, int32_t argument, int timeoutMs = 2000);
    // A value of the program's settings section "Options" as stored now.
    QVariant StoredValue(const QString& name) const;
    // Asks the main window to close, as another program would.
    bool RequestClose();
    // What the program printed, and how it ended, for failure messages.
    QString Diagnostics();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};
