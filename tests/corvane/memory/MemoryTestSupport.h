#pragma once
// Records and lists for the memory tools' tests.
#include "corvane/core/MemoryChannelList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>

namespace memtest {

// A channel record as the editor would store it: label shown, the RX
// frequency (Hz) and the record mode code; split when a TX frequency is given.
inline void makeRecord(CMemoryChannel& c, const QString& label, uint32_t rxHz, uint8_t mode = 1, uint32_t txHz = 0)
{
    CRadioMemoryList::ResetRecord(c);
    c.SetTag(label);
    c.SetMode(mode);
    c.SetTxMode(mode);
    c.SetRxFrequencyHz(rxHz);
    c.SetTxFrequencyHz(txHz ? txHz : rxHz);
    if (txHz)
        c.SetShift(CMemoryChannel::kShiftSplit);
    c.Encode();
    c.SetModified(false);
}

inline void erase(CMemoryChannel& c)
{
    c.Clear();
    c.SetEmpty(false);
}

// "label@MHz" of each entry of a list, "-" for entries without data.
inline QString describe(const CMemoryChannelList& list, int count = -1)
{
    QStringList parts;
    const int n = count < 0 ? list.GetCount() : count;
    for (int i = 0; i < n; ++i) {
        const CMemoryChannel* c = list.GetAt(i);
        parts << (c->HasFrequency() ? c->GetTag().trimmed() + QLatin1Char('@') + QString::number(c->GetRxFrequency() / 1000)
                                    : QStringLiteral("-"));
    }
    return parts.join(QLatin1Char(' '));
}

inline QList<int> modifiedIndexes(const CMemoryChannelList& list)
{
    QList<int> indexes;
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetAt(i)->IsModified())
            indexes << i;
    return indexes;
}

// Acts on the next modal dialog of type T as soon as it is up.
template <class T>
void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

// Runs the event loop until the condition holds (at most the time given).
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace memtest
