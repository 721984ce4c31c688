#include "support/ProbeClient.h"

#include "platform/LocalMessaging.h"

#include <QElapsedTimer>
#include <QRegularExpression>

QString ProbeClient::Ask(const QString& command, int timeoutMs)
{
    if (m_socket.state() != QLocalSocket::ConnectedState) {
        m_socket.abort();
        m_socket.connectToServer(platform::LocalEndpoint::socketPath(m_name));
        if (!m_socket.waitForConnected(3000))
            return QStringLiteral("no probe");
    }
    m_socket.write(command.toUtf8() + '\n');
    m_socket.waitForBytesWritten(1000);
    QElapsedTimer clock;
    clock.start();
    while (!m_socket.canReadLine()) {
        // An answer that comes later must not pass for the next question's:
        // the connection goes, and the next question opens a new one.
        if (clock.elapsed() > timeoutMs || (!m_socket.waitForReadyRead(200) &&
                                            m_socket.state() != QLocalSocket::ConnectedState)) {
            m_socket.abort();
            return QStringLiteral("no answer");
        }
    }
    return QString::fromUtf8(m_socket.readLine()).trimmed();
}

QString ProbeClient::Field(const QString& answer, const QString& name)
{
    const QRegularExpression field(QStringLiteral("(?:^|\\s)") + QRegularExpression::escape(name) +
                                   QStringLiteral("=(\\S*)"));
    const QRegularExpressionMatch m = field.match(answer);
    return m.hasMatch() ? m.captured(1) : QString();
}
