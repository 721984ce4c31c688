#include "brevio/core/LogbookFile.h"

#include "platform/DataFolder.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/StringEx.h"

#include <QFile>

QList<CLogbookFile> CLogbookFile::ConfiguredFiles()
{
    const CPSK31Settings& s = CurrentSettings();
    QList<CLogbookFile> files;
    if (s.m_bLogbookEnable1 && !s.m_strLogbookFile1.isEmpty())
        files.append({s.m_strLogbookFile1, s.m_bLogbookInclude1 != 0});
    if (s.m_bLogbookEnable2 && !s.m_strLogbookFile2.isEmpty())
        files.append({s.m_strLogbookFile2, s.m_bLogbookInclude2 != 0});
    return files;
}

QByteArray CLogbookFile::EntryBytes(const QString& strRecord, bool bInclude, const QString& strReceived)
{
    QByteArray out;
    if (bInclude) {
        QString text = strReceived;
        text.remove(QLatin1Char('\r'));
        text.remove(QChar(QChar::ObjectReplacementCharacter));
        QStringList lines;
        CStringEx(text).Split('\n', lines);
        for (const QString& line : lines)
            out += "# " + line.toLatin1() + "\r\n";
    }
    out += strRecord.toLatin1() + "\r\n\r\n";
    return out;
}

bool CLogbookFile::Append(const QString& strPath, const QByteArray& entry, QString* pstrError)
{
    QByteArray content;
    if (QFile::exists(strPath)) {
        QFile old(strPath);
        if (!old.open(QIODevice::ReadOnly)) {
            if (pstrError)
                *pstrError = old.errorString();
            return false;
        }
        content = old.readAll();
        if (old.error() != QFileDevice::NoError) {
            if (pstrError)
                *pstrError = old.errorString();
            return false;
        }
    }
    content += entry;
    return platform::writeFileAtomically(strPath, content, pstrError);
}
