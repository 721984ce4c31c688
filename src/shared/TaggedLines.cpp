#include "shared/TaggedLines.h"

#include <QIODevice>

namespace TaggedLines {

QString ValueLine(unsigned nCode, const QString& strValue)
{
    QString value = strValue;
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QString::asprintf("%03u ", nCode) + value;
}

uint32_t ParseNumber(const QString& strValue)
{
    qsizetype i = 0;
    const qsizetype n = strValue.size();
    while (i < n && (strValue[i] == QLatin1Char(' ') || strValue[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (strValue[i] == QLatin1Char('+') || strValue[i] == QLatin1Char('-'))) {
        negative = strValue[i] == QLatin1Char('-');
        ++i;
    }
    uint64_t value = 0;
    bool saturated = false;
    for (; i < n && strValue[i] >= QLatin1Char('0') && strValue[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + uint64_t(strValue[i].unicode() - '0');
        if (value > 0xFFFFFFFFull) {
            saturated = true;
            value = 0xFFFFFFFFull;
        }
    }
    if (saturated)
        return 0xFFFFFFFFu;
    return negative ? uint32_t(0u - uint32_t(value)) : uint32_t(value);
}

QByteArray ToBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i)
            bytes += "\r\n";
        bytes += lines[i].toLatin1();
    }
    return bytes;
}

QStringList FromBytes(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << QString::fromLatin1(bytes.constData() + start, i - start);
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << QString::fromLatin1(bytes.constData() + start, n - start);
    return lines;
}

bool Write(QIODevice& device, const QStringList& lines)
{
    const QByteArray bytes = ToBytes(lines);
    return device.write(bytes) == bytes.size();
}

bool Read(QIODevice& device, QStringList& lines)
{
    lines.clear();
    if (!device.isReadable())
        return false;
    lines = FromBytes(device.readAll());
    return true;
}

} // namespace TaggedLines

// ---------------------------------------------------------------------------

CTaggedLineWriter::CTaggedLineWriter(const QString& strTerminator) : m_strTerminator(strTerminator) {}

void CTaggedLineWriter::AddNumber(unsigned nCode, uint32_t nValue)
{
    m_lines << TaggedLines::ValueLine(nCode, QString::number(nValue));
}

void CTaggedLineWriter::AddText(unsigned nCode, const QString& strText)
{
    m_lines << TaggedLines::ValueLine(nCode, strText);
}

// ---------------------------------------------------------------------------

CTaggedLineReader::CTaggedLineReader(const QStringList& lines, const QString& strTerminator)
    : m_lines(lines), m_strTerminator(strTerminator)
{
}

bool CTaggedLineReader::Next(Line& line)
{
    if (m_nNext >= m_lines.size())
        return false;
    line = Classify(m_lines[m_nNext++], m_strTerminator);
    return true;
}

CTaggedLineReader::Line CTaggedLineReader::Classify(const QString& strLine, const QString& strTerminator)
{
    Line line;
    if (strLine.startsWith(QLatin1Char('#'))) {
        line.kind = KIND_COMMENT;
        return line;
    }
    if (strLine == strTerminator) {
        line.kind = KIND_END;
        return line;
    }
    if (strLine.size() < 3)
        return line;
    unsigned code = 0;
    for (int i = 0; i < 3; ++i) {
        const QChar c = strLine[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return line;
        code = code * 10 + unsigned(c.unicode() - '0');
    }
    line.kind = KIND_VALUE;
    line.nCode = code;
    line.strValue = strLine.mid(4);
    return line;
}
