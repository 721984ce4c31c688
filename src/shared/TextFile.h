#pragma once
#include <QString>
#include <QStringList>

// A line-oriented text file of the program, always handled whole. Files are
// single-byte (Latin-1) text; CR LF separates lines and the last line has no
// line end. Failures are recorded and shown in a message box unless quiet.
class CTextFile {
public:
    CTextFile(const QString& strPath, bool bQuiet);
    // A definitions file of the program folder by its kind.
    explicit CTextFile(int nKind);
    virtual ~CTextFile() = default;

    bool Exists() const;
    // Empties the array and fills it with the file's lines. CR, LF and CR LF
    // each end one line.
    void ReadLines(QStringList& lines);
    void WriteLines(const QStringList& lines, bool bAppend);
    // The "#" comment block before the lines and the closing lines after them.
    static void AddHeader(QStringList& lines, int nKind);
    void ReportError(const QString& strFirst, const QString& strSecond);

    bool IsOk() const { return m_bOk; }
    const QString& GetLastError() const { return m_strLastError; }
    const QString& GetPath() const { return m_strPath; }

    static QString FileName(int nKind);
    static QString ContentsText(int nKind);
    static bool HasWarningLines(int nKind);
    static QString RuleLine() { return QString(60, QLatin1Char('#')); }

    // Block sizes: files are read in 1 MB blocks and written in chunks of at
    // least 64 KB.
    static constexpr int kReadBlock = 1048576;
    static constexpr int kWriteFlush = 65536;

private:
    void Fail(const QString& strFirst, const QString& strDescription);

    bool m_bQuiet = false;
    bool m_bOk = false;
    QString m_strLastError;
    QString m_strPath;
};
