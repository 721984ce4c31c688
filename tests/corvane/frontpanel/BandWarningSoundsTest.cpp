// The two band-warning sounds that ship beside the program: real, audible
// wave files of the kind every sound player reads.
#include "support/TestEnvironment.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {
struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    QList<qint16> samples;
};

bool readWave(const QString& path, Wave* out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return false;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        const char* body = data.constData() + at + 8;
        if (at + 8 + qsizetype(size) > data.size())
            return false;
        if (id == "fmt ") {
            out->format = qFromLittleEndian<quint16>(body);
            out->channels = qFromLittleEndian<quint16>(body + 2);
            out->rate = int(qFromLittleEndian<quint32>(body + 4));
            out->bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                out->samples << qFromLittleEndian<qint16>(body + i);
        }
        at += 8 + size + (size & 1);
    }
    return out->format != 0 && !out->samples.isEmpty();
}
} // namespace

TEST(BandWarningSounds, ShipBesideTheProgramAndCanBeHeard)
{
    QList<qint16> previous;
    for (const char* name : {"ding.wav", "chord.wav"}) {
        SCOPED_TRACE(name);
        Wave wave;
        ASSERT_TRUE(readWave(testsupport::buildDir() + "/bin/" + name, &wave));
        EXPECT_EQ(wave.format, 1) << "plain PCM";
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_GE(wave.rate, 8000);
        const double seconds = double(wave.samples.size()) / wave.rate;
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 2.0) << "a warning, not a tune";
        int peak = 0;
        double energy = 0;
        for (qint16 s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        EXPECT_GT(peak, 8000) << "loud enough to hear";
        EXPECT_LT(peak, 32767) << "not clipped";
        EXPECT_GT(std::sqrt(energy / wave.samples.size()), 1000.0);
        EXPECT_LT(std::abs(int(wave.samples.last())), 200) << "ends without a click";
        EXPECT_NE(wave.samples, previous) << "entering and leaving sound different";
        previous = wave.samples;
    }
}
