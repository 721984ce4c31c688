#pragma once
// The test's end of a probe socket (probe/*.cpp): one command line out, one
// answer line back, while the probed program goes on running.
//
//   ProbeClient probe(QStringLiteral("brevio-probe"));
//   EXPECT_EQ(probe.Ask(QStringLiteral("ping")), QStringLiteral("ok"));
#include "support/TestEnvironment.h"

#include <QLocalSocket>
#include <QString>

class ProbeClient {
public:
    explicit ProbeClient(const QString& name) : m_name(name) {}
    // The answer, "no probe" when the program does not listen, or "no
    // answer" after the time.
    QString Ask(const QString& command, int timeoutMs = testsupport::longestWaitMs());
    // A word=value field of an answer ("" when absent).
    static QString Field(const QString& answer, const QString& name);
    // The name the probed program listens under.
    QString Name() const { return m_name; }

private:
    QString m_name;
    QLocalSocket m_socket;
};
