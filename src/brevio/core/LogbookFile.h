#pragma once
// Logbook files: each contact is appended as an ADIF record, optionally
// after the received conversation as "# " comment lines, and followed by a
// blank line. Single-byte text with CR LF line ends.
#include <QByteArray>
#include <QList>
#include <QString>

class CLogbookFile {
public:
    QString m_strPath;
    bool m_bInclude = false;

    // The configured files, file 1 first.
    static QList<CLogbookFile> ConfiguredFiles();
    // The bytes appended for one entry; strReceived has '\n' line ends.
    static QByteArray EntryBytes(const QString& strRecord, bool bInclude, const QString& strReceived);
    // Appends the whole entry or nothing: the file is replaced in one step
    // by its old content plus the entry.
    static bool Append(const QString& strPath, const QByteArray& entry, QString* pstrError);
};
