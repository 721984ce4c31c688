#include "IdleCpu.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <unistd.h>

double IdleCpu::CpuSeconds(qint64 pid, qint64 thread)
{
    QFile file(thread ? QStringLiteral("/proc/%1/task/%2/stat").arg(pid).arg(thread)
                      : QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !file.open(QIODevice::ReadOnly))
        return -1;
    // The command name in brackets may hold blanks; the fields after it
    // start with the state (field 3): utime and stime are fields 14 and 15.
    const QByteArray line = file.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = double(fields[11].toLongLong() + fields[12].toLongLong());
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

IdleCpu IdleCpu::Measure(qint64 pid, int ms)
{
    IdleCpu cpu;
    const double processBefore = CpuSeconds(pid);
    const double mainBefore = CpuSeconds(pid, pid);
    QElapsedTimer clock;
    clock.start();
    // The stretch measured, not a wait for something to happen.
    while (clock.elapsed() < ms)
        QThread::msleep(std::min<qint64>(100, ms - clock.elapsed() + 1));
    const double processAfter = CpuSeconds(pid);
    const double mainAfter = CpuSeconds(pid, pid);
    cpu.seconds = double(clock.elapsed()) / 1000.0;
    if (processBefore >= 0 && processAfter >= 0)
        cpu.share = (processAfter - processBefore) / cpu.seconds;
    if (mainBefore >= 0 && mainAfter >= 0)
        cpu.mainShare = (mainAfter - mainBefore) / cpu.seconds;
    return cpu;
}

IdleCpu IdleCpu::Settled(qint64 pid, int ms)
{
    const IdleCpu first = Measure(pid, ms);
    return first.share >= 0 && first.share < kBusy ? first : Measure(pid, ms);
}

QString IdleCpu::Describe() const
{
    if (share < 0)
        return QStringLiteral("the process's processor time could not be read");
    return QStringLiteral("%1 % of a core over %2 s, %3 % on its main thread")
        .arg(share * 100, 0, 'f', 1)
        .arg(seconds, 0, 'f', 1)
        .arg(mainShare * 100, 0, 'f', 1);
}
