#include "corvane/memory/MemoryArchiveCheck.h"

#include "corvane/core/MemoryChannel.h"
#include "corvane/core/MemoryChannelList.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

#include <QRegularExpression>
#include <algorithm>

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

QString CMemoryArchiveCheck::CheckRecord(const QString& strRaw, const QString& strUsed, bool* pCutShort)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    constexpr int kDigits = 3 * kRecordSize;
    if (pCutShort)
        *pCutShort = false;
    if (!digits.match(strRaw).hasMatch() || strRaw.size() > kDigits)
        return QStringLiteral("its bytes are not %1 numbers of three digits").arg(kRecordSize);
    if (strRaw.size() < kDigits) {
        if (pCutShort)
            *pCutShort = true;
        return QStringLiteral("holds %1 of the %2 digits of its bytes").arg(strRaw.size()).arg(kDigits);
    }
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
    auto notChannels = [](int record, const QString& problem) {
        return QStringLiteral("The file holds something other than memory channels (record %1: %2)")
            .arg(record)
            .arg(problem);
    };
    CTaggedLineReader reader(lines);
    CTaggedLineReader::Line line;
    QString raw, used;
    bool hasRaw = false, hasUsed = false, open = false;
    int record = 0;
    while (reader.Next(line)) {
        if (line.kind == CTaggedLineReader::KIND_VALUE) {
            open = true;
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
        if (!hasRaw)
            return notChannels(record, QStringLiteral("it holds no record bytes"));
        bool cutShort = false;
        const QString problem = CheckRecord(raw, hasUsed ? used : QStringLiteral("1"), &cutShort);
        if (cutShort)
            return QStringLiteral("The file is cut short: record %1 %2").arg(record).arg(problem);
        if (!problem.isEmpty())
            return notChannels(record, problem);
        raw.clear();
        used.clear();
        hasRaw = hasUsed = open = false;
    }
    if (open)
        return QStringLiteral("The file is cut short: record %1 ends before its end line").arg(record + 1);
    // The program's own files open with a rule of "#" and close with the
    // file's kind; one whose closing lines are gone lost what came after the
    // last record it still holds.
    static const QRegularExpression rule(QStringLiteral("^#{20,}$"));
    const bool ownFile = !lines.isEmpty() && rule.match(lines.first()).hasMatch();
    const bool closed = std::any_of(lines.cbegin(), lines.cend(),
                                    [](const QString& l) { return l.startsWith(QLatin1String("#@filetype=")); });
    if (ownFile && !closed && record > 0)
        return QStringLiteral("The file is cut short: it ends after record %1 without its closing lines").arg(record);
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
