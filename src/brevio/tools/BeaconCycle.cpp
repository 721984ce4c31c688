#include "brevio/tools/BeaconCycle.h"

#include <algorithm>

namespace {
int Interval(const QString& strText, int nMin, int nMax, int nDefault)
{
    bool ok = false;
    const qlonglong n = strText.trimmed().toLongLong(&ok);
    if (!ok)
        return nDefault;
    return int(std::clamp<qlonglong>(n, nMin, nMax));
}
} // namespace

int CBeaconCycle::EveryMinutes(const QString& strText)
{
    return Interval(strText, kEveryMin, kEveryMax, kEveryDefault);
}

int CBeaconCycle::AfterSeconds(const QString& strText)
{
    return Interval(strText, kAfterMin, kAfterMax, kAfterDefault);
}

QString CBeaconCycle::TextToSend(const QString& strText)
{
    if (strText.contains(QLatin1String("[stop]")))
        return strText;
    return strText + QStringLiteral("[stop]");
}

QString CBeaconCycle::WaitingText(qint64 nSeconds)
{
    const qint64 s = std::max<qint64>(nSeconds, 0);
    return QString::asprintf("Waiting... %02d:%02d:%02d", int(s / 3600), int(s / 60 % 60), int(s % 60));
}

void CBeaconCycle::Start(const QDateTime& now)
{
    m_start = now;
    if (m_host.send)
        m_host.send(TextToSend(m_strText));
    m_nState = Starting;
}

void CBeaconCycle::Stop()
{
    if (m_host.stop)
        m_host.stop();
    m_nState = Idle;
}

QDateTime CBeaconCycle::NextStart() const
{
    if (m_nOption == Every)
        return m_start.addSecs(qint64(EveryMinutes(m_strEvery)) * 60);
    return m_end.addSecs(AfterSeconds(m_strCont));
}

QString CBeaconCycle::Tick(const QDateTime& now)
{
    const bool transmitting = m_host.isTransmitting && m_host.isTransmitting();
    switch (m_nState) {
    case Idle:
        return transmitting ? QStringLiteral("- Tx -") : QStringLiteral("- Rx -");
    case Starting:
        if (transmitting)
            m_nState = Sending;
        return QStringLiteral("Starting...");
    case Sending:
        if (!transmitting) {
            m_end = now;
            m_nState = m_nOption == Once ? Idle : Waiting;
        }
        return QStringLiteral("Sending...");
    case Waiting: {
        if (m_nOption == Once) {
            m_nState = Idle;
            return QStringLiteral("Waiting...");
        }
        const QDateTime next = NextStart();
        if (next <= now) {
            Start(now);
            return QStringLiteral("Waiting...");
        }
        // Whole seconds left, as a clock shows them.
        return WaitingText(now.secsTo(next));
    }
    }
    return QString();
}
