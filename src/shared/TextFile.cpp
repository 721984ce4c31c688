#include "shared/TextFile.h"

#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/VersionInfo.h"

#include <QFile>
#include <QSaveFile>
#include <ctime>
#include <unistd.h>

namespace {
constexpr int kOpenAttempts = 100;

struct KindInfo {
    int kind;
    const char* fileName;
    const char* contents;
    bool warning;
};

constexpr KindInfo kKinds[] = {
    {1, "FT-817 Calibration.txt", "Calibration settings", true},
    {2, "FT-817 Settings.txt", "User options", true},
    {3, "FT-817 Memory Contents.txt", "Memory contents", false},
    {4, "FT-817 Favourites.txt", "Favourites", true},
    {5, "FT-817 Memory Archive.txt", "Memory archive", true},
    {6, "FT-817 Band Definitions.txt", "Band definitions", true},
    {7, "FT-817 Default Band Definitions.txt", "Default Band definitions", true},
};

const KindInfo* findKind(int kind)
{
    for (const KindInfo& k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

QString currentTimeText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[256] = {};
    std::strftime(buffer, sizeof buffer, "%c", &local);
    return QString::fromLocal8Bit(buffer);
}
} // namespace

CTextFile::CTextFile(const QString& strPath, bool bQuiet)
    : m_bQuiet(bQuiet), m_strPath(strPath)
{
}

CTextFile::CTextFile(int nKind)
    : m_strPath(platform::dataFilePath(FileName(nKind)))
{
}

QString CTextFile::FileName(int nKind)
{
    const KindInfo* k = findKind(nKind);
    return k ? QString::fromLatin1(k->fileName) : QString();
}

QString CTextFile::ContentsText(int nKind)
{
    const KindInfo* k = findKind(nKind);
    return k ? QString::fromLatin1(k->contents) : QString();
}

bool CTextFile::HasWarningLines(int nKind)
{
    const KindInfo* k = findKind(nKind);
    return k && k->warning;
}

bool CTextFile::Exists() const
{
    return ::access(QFile::encodeName(m_strPath).constData(), R_OK) == 0;
}

void CTextFile::ReportError(const QString& strFirst, const QString& strSecond)
{
    if (m_bQuiet)
        return;
    platform::Prompter::instance().messageBox(GetMainWindow(), strFirst + QLatin1Char(' ') + strSecond,
                                              QStringLiteral("Error"), int(platform::MB_OK) | platform::MB_ICONERROR);
}

void CTextFile::Fail(const QString& strFirst, const QString& strDescription)
{
    m_bOk = false;
    m_strLastError = strDescription;
    ReportError(strFirst, strDescription);
}

void CTextFile::ReadLines(QStringList& lines)
{
    lines.clear();
    m_bOk = false;

    QFile file(m_strPath);
    bool opened = false;
    // Transient open failures get a few more tries; files are replaced by an
    // atomic rename, so a reader never has to wait for a writer here.
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt)
        opened = file.open(QIODevice::ReadOnly);
    if (!opened) {
        Fail(QStringLiteral("Error opening %1 -").arg(m_strPath), file.errorString());
        return;
    }

    QByteArray block(kReadBlock, Qt::Uninitialized);
    QByteArray line;  // grows with the longest line: no line is too long
    bool afterCr = false;
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got < 0) {
            Fail(QStringLiteral("Error reading from %1 -").arg(m_strPath), file.errorString());
            return;
        }
        if (got == 0)
            break;
        const char* p = block.constData();
        qsizetype start = 0;
        for (qsizetype i = 0; i < got; ++i) {
            const char c = p[i];
            if (c == '\r' || c == '\n') {
                // The LF of a CR LF pair belongs to the line the CR ended.
                if (!(c == '\n' && afterCr && i == start && line.isEmpty())) {
                    line.append(p + start, i - start);
                    lines.append(QString::fromLatin1(line));
                }
                line.clear();
                start = i + 1;
                afterCr = c == '\r';
            } else {
                afterCr = false;
            }
        }
        line.append(p + start, got - start);
    }
    if (!line.isEmpty())
        lines.append(QString::fromLatin1(line));
    m_bOk = true;
}

void CTextFile::WriteLines(const QStringList& lines, bool bAppend)
{
    m_bOk = false;
    // The new content replaces the file in one rename: a failed write leaves
    // the old file as it was.
    QSaveFile file(m_strPath);
    QByteArray buffer;
    if (bAppend && QFile::exists(m_strPath)) {
        QFile old(m_strPath);
        if (!old.open(QIODevice::ReadOnly)) {
            Fail(QStringLiteral("Error creating %1").arg(m_strPath), old.errorString());
            return;
        }
        buffer = old.readAll();
        if (old.error() != QFileDevice::NoError) {
            Fail(QStringLiteral("Error creating %1").arg(m_strPath), old.errorString());
            return;
        }
    }
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(QStringLiteral("Error creating %1").arg(m_strPath), file.errorString());
        return;
    }

    qint64 total = buffer.size();
    auto flush = [&]() {
        if (file.write(buffer) != buffer.size()) {
            Fail(QStringLiteral("Error writing %1 bytes to %2 -").arg(buffer.size()).arg(m_strPath),
                 file.errorString());
            file.cancelWriting();
            return false;
        }
        buffer.clear();
        return true;
    };

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype before = buffer.size();
        buffer += lines[i].toLatin1();
        if (i + 1 < lines.size())
            buffer += "\r\n";
        total += buffer.size() - before;
        if (buffer.size() >= kWriteFlush && !flush())
            return;
    }
    if (!buffer.isEmpty() && !flush())
        return;
    // A short file sits in the device's buffer until here, and commit() would
    // rename a truncated copy over the old file when this last write fails.
    if (!file.flush()) {
        Fail(QStringLiteral("Error writing %1 bytes to %2 -").arg(total).arg(m_strPath), file.errorString());
        file.cancelWriting();
        return;
    }
    if (!file.commit()) {
        Fail(QStringLiteral("Error writing %1 bytes to %2 -").arg(total).arg(m_strPath), file.errorString());
        return;
    }
    m_bOk = true;
}

void CTextFile::AddHeader(QStringList& lines, int nKind)
{
    if (nKind == 9)
        return;
    const QString rule = RuleLine();
    const CVersionInfo version;
    QStringList head;
    head << rule << QStringLiteral("#")
         << QStringLiteral("#   %1 by %2").arg(version.GetProductName(), version.GetCompanyName())
         << QStringLiteral("#") << QStringLiteral("#   Contents ..: ") + ContentsText(nKind)
         << QStringLiteral("#   Created ...: ") + currentTimeText() << QStringLiteral("#");
    if (HasWarningLines(nKind))
        head << QStringLiteral("#   The contents of this file must not be changed if the")
             << QStringLiteral("#   program is to operate correctly. To avoid problems,")
             << QStringLiteral("#   please do NOT edit this file.") << QStringLiteral("#");
    head << rule << QStringLiteral("#");
    lines = head + lines;
    lines << QStringLiteral("#") << rule << QStringLiteral("#@filetype=%1").arg(nKind);
}
