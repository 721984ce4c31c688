#include "support/WaveFiles.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>

namespace testsupport {

bool WriteSilence(const QString& path, int nSamples)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray header;
    QDataStream s(&header, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 data = quint32(nSamples) * 2;
    s.writeRawData("RIFF", 4);
    s << quint32(36 + data);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << data;
    const QByteArray samples(qsizetype(data), '\0');
    return file.write(header) == header.size() && file.write(samples) == samples.size();
}

} // namespace testsupport
