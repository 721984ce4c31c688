#pragma once
// The tagged-line form of the definition files of both programs: records of
// value lines "%03u %s" (a three-digit code, one blank, the value), "#"
// comment lines, and a terminator line that ends each record ("-@-" in most
// files). Files are single-byte text (Latin-1, so every byte survives a
// round trip) with CR LF between lines and none after the last.
//
// The writer and reader work on lines; ToBytes/FromBytes and Read/Write give
// the exact bytes of a stream, so a format can be tested without a file.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

class QIODevice;

namespace TaggedLines {

// The usual record terminator.
inline QString DefaultTerminator() { return QStringLiteral("-@-"); }

// "%03u %s". A value cannot span lines: CR and LF in it become blanks, so
// a text typed with a line break cannot split a record.
QString ValueLine(unsigned nCode, const QString& strValue);

// The leading decimal number of a value text, as the C library's strtoul
// reads it: leading blanks, an optional sign (a minus wraps round), digits
// up to the first other character; no digits give 0, too many saturate.
uint32_t ParseNumber(const QString& strValue);

// Lines as bytes: Latin-1, CR LF between lines, none after the last.
QByteArray ToBytes(const QStringList& lines);
// Bytes as lines: CR, LF and CR LF each end a line; a last line without an
// end still counts; an empty input gives no line.
QStringList FromBytes(const QByteArray& bytes);

// The same over a stream; FALSE when the device fails (the lines read so
// far are kept).
bool Write(QIODevice& device, const QStringList& lines);
bool Read(QIODevice& device, QStringList& lines);

} // namespace TaggedLines

// Builds the lines of records in order.
class CTaggedLineWriter {
public:
    explicit CTaggedLineWriter(const QString& strTerminator = TaggedLines::DefaultTerminator());

    void Reserve(int nLines) { m_lines.reserve(nLines); }
    // "#": the line that opens a record.
    void BeginRecord() { m_lines << QStringLiteral("#"); }
    void EndRecord() { m_lines << m_strTerminator; }
    void AddNumber(unsigned nCode, uint32_t nValue);
    void AddFlag(unsigned nCode, bool bFlag) { AddNumber(nCode, bFlag ? 1 : 0); }
    void AddText(unsigned nCode, const QString& strText);
    // A line of its own (a header or a comment).
    void AddLine(const QString& strLine) { m_lines << strLine; }

    const QStringList& Lines() const { return m_lines; }
    QStringList TakeLines() { return std::exchange(m_lines, {}); }

private:
    QString m_strTerminator;
    QStringList m_lines;
};

// Reads the lines of records one by one.
class CTaggedLineReader {
public:
    enum Kind {
        KIND_COMMENT,  // starts with "#"
        KIND_END,      // the record terminator
        KIND_VALUE,    // "%03u %s"
        KIND_OTHER,    // anything else: no three-digit code
    };
    struct Line {
        Kind kind = KIND_OTHER;
        unsigned nCode = 0;
        QString strValue;  // from the fifth character on, unchanged
        uint32_t Number() const { return TaggedLines::ParseNumber(strValue); }
        bool Flag() const { return Number() != 0; }
    };

    explicit CTaggedLineReader(const QStringList& lines,
                               const QString& strTerminator = TaggedLines::DefaultTerminator());

    // The next line; FALSE after the last.
    bool Next(Line& line);
    int GetLineNumber() const { return m_nNext; }

    static Line Classify(const QString& strLine, const QString& strTerminator);

private:
    const QStringList& m_lines;
    QString m_strTerminator;
    int m_nNext = 0;
};
