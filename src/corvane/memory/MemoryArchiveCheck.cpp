#include "corvane/memory/MemoryArchiveCheck.h"

#include "corvane/core/MemoryChannel.h"
#include "corvane/core/MemoryChannelList.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

#include <QRegularExpression>

namespace {
constexpr int kRecordSize = int(CMemoryChannel::kRecordSize);
constexpr uint32_t kNoData = 0xFFFFFFFF;

uint32_t word32(const QByteArray& raw, int at)
{
    return uint32_t(uint8_t(raw[at])) << 24 | uint32_t(uint8_t(raw[at + 1])) << 16 |
           uint32_t(uint8_t(raw[at + 2])) << 8 | uint32_t(uint8_t(raw[at + 3]));
}

uint8_t bits(const QByteArray& raw, int at, int shift, int width)
{
    return uint8_t((uint8_t(raw[at]) >> shift) & ((1u << width) - 1));
}

QString frequencyProblem(const char* what, uint32_t tenHz)
{
    if (tenHz >= CMemoryArchiveCheck::kLowestFrequency && tenHz <= CMemoryArchiveCheck::kHighestFrequency)
        return {};
    return QStringLiteral("its %1 frequency %2 Hz is outside 100 kHz to 470 MHz")
        .arg(QLatin1String(what))
        .arg(quint64(tenHz) * 10);
}
} // namespace

QString CMemoryArchiveCheck::CheckBytes(const QByteArray& raw)
{
    if (raw.size() < kRecordSize)
        return QStringLiteral("it holds %1 bytes, not %2").arg(raw.size()).arg(kRecordSize);
    const uint32_t rx = word32(raw, 10);
    if (rx == kNoData)
        return {};
    // The limits of the radio's own choices for each field.
    struct Field {
        const char* name;
        int at, shift, width;
        uint8_t highest;
    };
    static const Field fields[] = {
        {"frequency range code", 1, 0, 3, 5}, {"AM step code", 3, 3, 3, 5}, {"SSB step code", 3, 6, 2, 2},
        {"CTCSS tone index", 6, 0, 8, 49},    {"DCS code index", 7, 0, 8, 103},
    };
    for (const Field& f : fields) {
        const uint8_t value = bits(raw, f.at, f.shift, f.width);
        if (value > f.highest)
            return QStringLiteral("its %1 is %2").arg(QLatin1String(f.name)).arg(value);
    }
    QString problem = frequencyProblem("receive", rx);
    if (problem.isEmpty() && bits(raw, 1, 6, 2) == CMemoryChannel::kShiftSplit)
        problem = frequencyProblem("transmit", word32(raw, 14));
    if (!problem.isEmpty())
        return problem;
    // A label the radio shows must be one it can show.
    if (bits(raw, 0, 7, 1)) {
        for (int i = 18; i < kRecordSize; ++i) {
            const uint8_t c = uint8_t(raw[i]);
            if (c == 0xFF)
                break;
            if (c < 0x20 || c > 0x7E)
                return QStringLiteral("its label holds the character code %1").arg(c);
        }
    }
    return {};
}

QString CMemoryArchiveCheck::CheckRecord(const QString& strRaw, const QString& strUsed)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{%1}$").arg(3 * kRecordSize));
    if (!digits.match(strRaw).hasMatch())
        return QStringLiteral("its bytes are not %1 numbers of three digits").arg(kRecordSize);
    QByteArray raw(kRecordSize, '\0');
    for (int i = 0; i < kRecordSize; ++i) {
        const int value = strRaw.mid(3 * i, 3).toInt();
        if (value > 255)
            return QStringLiteral("its byte %1 is %2, above 255").arg(i).arg(value);
        raw[i] = char(value);
    }
    if (strUsed != QLatin1String("0") && strUsed != QLatin1String("1"))
        return QStringLiteral("its in-use flag is \"%1\", not 0 or 1").arg(strUsed);
    return CheckBytes(raw);
}

QString CMemoryArchiveCheck::Check(const QStringList& lines)
{
    CTaggedLineReader reader(lines);
    CTaggedLineReader::Line line;
    QString raw, used;
    bool hasRaw = false, hasUsed = false;
    int record = 0;
    while (reader.Next(line)) {
        if (line.kind == CTaggedLineReader::KIND_VALUE) {
            if (line.nCode == CMemoryChannelList::CODE_RAW) {
                raw = line.strValue;
                hasRaw = true;
            } else if (line.nCode == CMemoryChannelList::CODE_USED) {
                used = line.strValue;
                hasUsed = true;
            }
            continue;
        }
        if (line.kind != CTaggedLineReader::KIND_END)
            continue;
        ++record;
        QString problem;
        if (!hasRaw)
            problem = QStringLiteral("it holds no record bytes");
        else
            problem = CheckRecord(raw, hasUsed ? used : QStringLiteral("1"));
        if (!problem.isEmpty())
            return QStringLiteral("record %1: %2").arg(record).arg(problem);
        raw.clear();
        used.clear();
        hasRaw = hasUsed = false;
    }
    return {};
}

QString CMemoryArchiveCheck::CheckFile(const QString& strPath)
{
    CTextFile file(strPath, true);
    QStringList lines;
    if (file.Exists())
        file.ReadLines(lines);
    return Check(lines);
}
