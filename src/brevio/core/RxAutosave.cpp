#include "brevio/core/RxAutosave.h"

#include "platform/DataFolder.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QLocale>

QString CRxAutosave::FileName(const QString& strDir, int nChannel, bool bAddDate, const QDate& localDate)
{
    const QString dir = strDir.isEmpty() ? platform::dataFolder() : strDir;
    const QString name = bAddDate ? QStringLiteral("RX_Channel_%1_%2.txt")
                                        .arg(nChannel + 1)
                                        .arg(QLocale::c().toString(localDate, QStringLiteral("dd-MMM-yyyy")))
                                  : QStringLiteral("RX_Channel_%1.txt").arg(nChannel + 1);
    return QDir(dir).filePath(name);
}

CRxAutosave::Result CRxAutosave::Save(QByteArray& unsaved, int nChannel, QString* pstrError, bool* pbReport)
{
    return Save(unsaved, nChannel, QDate::currentDate(), pstrError, pbReport);
}

CRxAutosave::Result CRxAutosave::Save(QByteArray& unsaved, int nChannel, const QDate& localDate, QString* pstrError,
                                      bool* pbReport)
{
    if (pbReport)
        *pbReport = false;
    if (unsaved.isEmpty())
        return Nothing;
    const CPSK31Settings& s = CurrentSettings();
    m_strLastPath = FileName(s.m_strAutosaveDir, nChannel, s.m_bAutosaveAddDate != 0, localDate);
    CTextFile file(m_strLastPath, true);
    // One line: the bytes go in exactly as inserted, with no line end added.
    file.WriteLines(QStringList{QString::fromLatin1(unsaved)}, m_bSavedOnce || s.m_bAutosaveAppend);
    if (!file.IsOk()) {
        if (pstrError)
            *pstrError = file.GetLastError();
        if (!m_bFailureReported) {
            m_bFailureReported = true;
            if (pbReport)
                *pbReport = true;
        }
        return Failed;
    }
    m_bSavedOnce = true;
    m_bFailureReported = false;
    unsaved.clear();
    return Saved;
}
