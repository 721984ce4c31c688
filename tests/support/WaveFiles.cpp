#include "support/WaveFiles.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace testsupport {

namespace {

bool WriteSamples(const QString& path, const QByteArray& samples)
{
    QByteArray header;
    QDataStream s(&header, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 data = quint32(samples.size());
    s.writeRawData("RIFF", 4);
    s << quint32(36 + data);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << data;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.write(samples) == samples.size();
}

} // namespace

bool WriteSilence(const QString& path, int nSamples)
{
    return WriteSamples(path, QByteArray(qsizetype(nSamples) * 2, '\0'));
}

bool WriteWave(const QString& path, const std::vector<double>& samples)
{
    QByteArray bytes(qsizetype(samples.size()) * 2, '\0');
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(qint16(std::lround(std::clamp(samples[i], -1.0, 1.0) * 32000)), bytes.data() + 2 * i);
    return WriteSamples(path, bytes);
}

} // namespace testsupport
