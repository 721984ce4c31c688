#include "support/Simulator.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/types.h>

namespace testsupport {

Simulator::Simulator() : Simulator(Options{}) {}

Simulator::Simulator(const Options& options)
{
    start(options);
}

Simulator::~Simulator()
{
    stop();
}

QString Simulator::programPath()
{
    return buildDir() + QStringLiteral("/bin/ft817-sim");
}

QString Simulator::journalPath() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("journal.txt")) : QString();
}

void Simulator::start(const Options& o)
{
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/ft817-sim-XXXXXX"));
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder: %1").arg(m_dir->errorString());
        return;
    }
    QStringList args{QStringLiteral("--print-path"), QStringLiteral("--exit-with-parent"),
                     QStringLiteral("--baud"), QString::number(o.baud),
                     QStringLiteral("--journal"), journalPath()};
    if (o.realtime)
        args << QStringLiteral("--realtime");
    for (const QString& f : o.faults)
        args << QStringLiteral("--fault") << f;
    for (const QString& p : o.pokes)
        args << QStringLiteral("--poke") << p;
    m_imagePath = o.eepromFile.isEmpty() ? m_dir->filePath(QStringLiteral("eeprom.bin")) : o.eepromFile;
    args << QStringLiteral("--eeprom") << m_imagePath;
    if (o.sMeter >= 0)
        args << QStringLiteral("--s-meter") << QString::number(o.sMeter);
    // Programs open the radio by a name of its own, as udev names an adapter:
    // once the simulator has gone, nothing answers at that name, and a
    // pseudo-terminal number the system hands out again cannot be mistaken
    // for this radio by a program that reopens its lost port.
    m_linkPath = o.linkPath.isEmpty() ? m_dir->filePath(QStringLiteral("ft817")) : o.linkPath;
    args << QStringLiteral("--link") << m_linkPath;
    if (o.faultsDisarmed)
        args << QStringLiteral("--faults-disarmed");
    m_faultsArmed = !o.faultsDisarmed;
    args << o.extraArguments;

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(programPath(), args);
    if (!m_process->waitForStarted(5000)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(programPath(), m_process->errorString());
        m_process.reset();
        return;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray out;
    while (!out.contains('\n') && timer.elapsed() < 5000) {
        if (m_process->state() != QProcess::Running)
            break;
        m_process->waitForReadyRead(100);
        out += m_process->readAllStandardOutput();
    }
    if (!out.contains('\n')) {
        m_process->waitForFinished(500);
        m_error = QStringLiteral("ft817-sim gave no device path: %1")
                      .arg(QString::fromLocal8Bit(m_process->readAllStandardError()).trimmed());
        stop();
        return;
    }
    m_devicePath = QString::fromLocal8Bit(out.left(out.indexOf('\n'))).trimmed();
    m_path = m_linkPath;
}

bool Simulator::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running && !m_path.isEmpty();
}

void Simulator::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000)) {
            m_process->kill();
            m_process->waitForFinished(1000);
        }
    }
    m_process.reset();
    m_path.clear();
    m_devicePath.clear();
}

QByteArray Simulator::eeprom() const
{
    if (!isRunning())
        return {};
    const auto saves = [this] {
        return journalLines().filter(QStringLiteral("# eeprom saved")).size();
    };
    const int before = saves();
    ::kill(pid_t(m_process->processId()), SIGUSR1);
    QElapsedTimer timer;
    timer.start();
    while (saves() == before) {
        if (timer.elapsed() > 3000)
            return {};
        QThread::msleep(2);
    }
    QFile f(m_imagePath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Simulator::signalAndWait(int signal, const QString& journalText)
{
    if (!isRunning())
        return false;
    const auto seen = [&] { return journalLines().filter(journalText).size(); };
    const qsizetype before = seen();
    ::kill(pid_t(m_process->processId()), signal);
    QElapsedTimer timer;
    timer.start();
    while (seen() == before) {
        if (timer.elapsed() > 3000)
            return false;
        QThread::msleep(2);
    }
    return true;
}

bool Simulator::setFaultsArmed(bool armed)
{
    if (armed == m_faultsArmed)
        return isRunning();
    if (!signalAndWait(SIGUSR2, armed ? QStringLiteral("# faults armed") : QStringLiteral("# faults disarmed")))
        return false;
    m_faultsArmed = armed;
    return true;
}

bool Simulator::unplug()
{
    return signalAndWait(SIGRTMIN, QStringLiteral("# line unplugged"));
}

bool Simulator::plugBack()
{
    return signalAndWait(SIGRTMIN + 1, QStringLiteral("# line plugged in at"));
}

uint8_t Simulator::eepromByte(int address) const
{
    const QByteArray image = eeprom();
    return address >= 0 && address < image.size() ? uint8_t(image[address]) : 0;
}

QStringList Simulator::journalLines() const
{
    QFile f(journalPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(f.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    // A line still being written has no line end yet.
    if (!text.endsWith(QLatin1Char('\n')) && !lines.isEmpty())
        lines.removeLast();
    else if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<Simulator::Exchange> Simulator::exchanges() const
{
    // "HH:MM:SS.mmm +Nms P1 P2 P3 P4 OP -> REPLY [note]"
    static const QRegularExpression re(QStringLiteral(
        R"(^\S+ \+(\d+)ms ((?:[0-9A-F]{2} ){4}[0-9A-F]{2}) -> (-|(?:[0-9A-F]{2} ?)+?)(?: \[(.*)\])?$)"));
    QList<Exchange> list;
    for (const QString& line : journalLines()) {
        const auto m = re.match(line);
        if (!m.hasMatch())
            continue;
        Exchange e;
        e.elapsedMs = m.captured(1).toLongLong();
        e.frame = QByteArray::fromHex(m.captured(2).toLatin1());
        if (m.captured(3) != QStringLiteral("-"))
            e.reply = QByteArray::fromHex(m.captured(3).toLatin1());
        e.note = m.captured(4);
        list << e;
    }
    return list;
}

QList<QByteArray> Simulator::frames() const
{
    QList<QByteArray> list;
    for (const Exchange& e : exchanges())
        list << e.frame;
    return list;
}

bool Simulator::waitForFrames(int count, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (exchanges().size() >= count)
            return true;
        if (timer.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(5);
    }
}

} // namespace testsupport
