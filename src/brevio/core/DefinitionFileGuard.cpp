#include "brevio/core/DefinitionFileGuard.h"

#include "brevio/core/DefinitionFileHeader.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include <utility>

CDefinitionFileGuard::CDefinitionFileGuard(int nKind, QString strNoun, std::initializer_list<int> recordCodes)
    : m_nKind(nKind), m_strNoun(std::move(strNoun)), m_recordCodes(recordCodes)
{
}

bool CDefinitionFileGuard::Recognises(const QStringList& lines, QString* pstrReason) const
{
    auto refuse = [pstrReason](const QString& reason) {
        if (pstrReason)
            *pstrReason = reason;
        return false;
    };
    static const QString kFileType = QStringLiteral("#@filetype=");
    bool banner = false;
    int records = 0, recordLines = 0;
    for (const QString& line : lines) {
        if (line.startsWith(kFileType)) {
            bool ok = false;
            const int kind = line.mid(kFileType.size()).trimmed().toInt(&ok);
            if (ok && kind != m_nKind) {
                const QString contents = CDefinitionFileHeader::ContentsText(kind);
                return refuse(contents.isEmpty() ? QStringLiteral("it is a definitions file of another kind (%1)").arg(kind)
                                                 : QStringLiteral("it holds %1").arg(contents.toLower()));
            }
            banner = banner || ok;
            continue;
        }
        if (line == QLatin1String("-@-")) {
            ++records;
            continue;
        }
        const bool code = line.size() >= 3 && line[0].isDigit() && line[1].isDigit() && line[2].isDigit() &&
                          (line.size() == 3 || line[3] == QLatin1Char(' '));
        if (code && m_recordCodes.contains(line.left(3).toInt()))
            ++recordLines;
    }
    // Records of some other tagged-line file share the form, not the codes.
    if ((records == 0 && !banner) || (records > 0 && recordLines == 0))
        return refuse(QStringLiteral("it holds no %1s").arg(m_strNoun));
    return true;
}

CDefinitionFileGuard::Result CDefinitionFileGuard::Read(const QString& strPath, QStringList& lines,
                                                        QString* pstrReason) const
{
    if (!QFileInfo::exists(strPath))
        return Result::kMissing;
    CTextFile file(strPath, false);
    file.ReadLines(lines);
    if (!file.IsOk()) {
        if (pstrReason)
            pstrReason->clear();
        return Result::kRefused;
    }
    return Recognises(lines, pstrReason) ? Result::kRead : Result::kRefused;
}

CDefinitionFileGuard::Result CDefinitionFileGuard::ReadDefault(const QString& strPath, QStringList& lines,
                                                               QStringList* pUnread)
{
    m_bUnread = false;
    m_bToldUnsaved = false;
    // A file of nothing but blanks holds nothing that saving could lose.
    QFile blank(strPath);
    if (QFileInfo(strPath).isFile() && blank.open(QIODevice::ReadOnly) && blank.readAll().trimmed().isEmpty())
        return Result::kMissing;
    if (!pUnread) {
        QString reason;
        const Result result = Read(strPath, lines, &reason);
        if (result != Result::kRefused)
            return result;
        m_bUnread = true;
        if (!reason.isEmpty())
            TellNotLoaded(strPath, reason);
        return result;
    }
    if (!QFileInfo::exists(strPath))
        return Result::kMissing;
    // Quiet: the caller tells every file the start could not read at once.
    CTextFile file(strPath, true);
    file.ReadLines(lines);
    QString reason;
    if (!file.IsOk()) {
        pUnread->append(QStringLiteral("\"%1\" could not be read: %2.")
                            .arg(QDir::toNativeSeparators(strPath), file.GetLastError()));
    } else if (!Recognises(lines, &reason)) {
        pUnread->append(NotThisKind(strPath, reason));
    } else {
        return Result::kRead;
    }
    lines.clear();
    m_bUnread = true;
    return Result::kRefused;
}

void CDefinitionFileGuard::TellUnread(const QStringList& unread, QWidget* pParent)
{
    if (unread.isEmpty())
        return;
    const QString nothing = unread.size() == 1 ? QStringLiteral("Nothing was loaded.")
                                               : QStringLiteral("Nothing was loaded from these files.");
    platform::messageBox(pParent ? pParent : GetMainWindow(), unread.join(QLatin1Char('\n')) + QLatin1Char('\n') + nothing,
                         QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
}

bool CDefinitionFileGuard::MaySave(const QString& strPath, bool bBoxEveryTime) const
{
    if (!m_bUnread || !QFileInfo::exists(strPath))
        return true;
    const QString text = QStringLiteral("The %1s were not saved: \"%2\" could not be read when the program "
                                        "started, and saving would replace the %1s it holds.")
                             .arg(m_strNoun, QDir::toNativeSeparators(strPath));
    auto* main = qobject_cast<QMainWindow*>(GetMainWindow());
    if (bBoxEveryTime || !m_bToldUnsaved || !main)
        platform::messageBox(GetMainWindow(), text, QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
    else
        main->statusBar()->showMessage(text);
    m_bToldUnsaved = true;
    return false;
}

QString CDefinitionFileGuard::NotThisKind(const QString& strPath, const QString& strReason) const
{
    return QStringLiteral("\"%1\" is not a %2 definitions file: %3.")
        .arg(QDir::toNativeSeparators(strPath), m_strNoun, strReason);
}

void CDefinitionFileGuard::TellNotLoaded(const QString& strPath, const QString& strReason, QWidget* pParent) const
{
    TellUnread({NotThisKind(strPath, strReason)}, pParent);
}
