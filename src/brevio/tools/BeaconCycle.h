#pragma once
// The beacon's repetition: send once, or again every N minutes from each
// start, or N seconds after each end, watching the transmitter on a 100 ms
// tick. Plain logic over three operations of the sending window.
#include <QDateTime>
#include <QString>
#include <functional>

class CBeaconCycle {
public:
    enum State { Idle = 0, Starting = 1, Sending = 2, Waiting = 3 };
    enum Option { Once = 0, Every = 1, After = 2 };
    // The interval ranges, as the dialog's spins offer them. An interval of
    // 0 would key the transmitter again the moment it stopped.
    static constexpr int kEveryMin = 1, kEveryMax = 999, kEveryDefault = 1;
    static constexpr int kAfterMin = 1, kAfterMax = 999, kAfterDefault = 30;

    struct Host {
        // Clear the transmit window, put the text in, start transmitting.
        std::function<void(const QString& strText)> send;
        // End the transmission.
        std::function<void()> stop;
        std::function<bool()> isTransmitting;
    };
    explicit CBeaconCycle(Host host) : m_host(std::move(host)) {}

    // The settings the next step reads.
    void SetOption(int nOption) { m_nOption = nOption; }
    void SetEvery(const QString& strMinutes) { m_strEvery = strMinutes; }
    void SetAfter(const QString& strSeconds) { m_strCont = strSeconds; }
    void SetText(const QString& strText) { m_strText = strText; }

    void Start(const QDateTime& now);
    void Stop();
    // One tick: the state moves on and the status text is answered.
    QString Tick(const QDateTime& now);

    State GetState() const { return m_nState; }
    QDateTime GetStartTime() const { return m_start; }
    QDateTime GetEndTime() const { return m_end; }
    void SetTimes(const QDateTime& start, const QDateTime& end) { m_start = start, m_end = end; }
    // When the waiting state starts the next transmission.
    QDateTime NextStart() const;

    // A typed interval: a number clamped to its range; no number gives the
    // default.
    static int EveryMinutes(const QString& strText);
    static int AfterSeconds(const QString& strText);
    // The text as sent: "[stop]" appended unless it holds it already.
    static QString TextToSend(const QString& strText);
    // "Waiting... %02d:%02d:%02d" with whole hours, minutes and seconds.
    static QString WaitingText(qint64 nSeconds);

private:
    Host m_host;
    State m_nState = Idle;
    int m_nOption = Once;
    QString m_strEvery;
    QString m_strCont;
    QString m_strText;
    QDateTime m_start;
    QDateTime m_end;
};
