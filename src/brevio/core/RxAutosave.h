#pragma once
// The periodic save of a channel's received text: the bytes inserted since
// the last save go to the end of (or, on the first save of a run without the
// append option, replace) the channel's text file.
#include <QByteArray>
#include <QDate>
#include <QString>

class CRxAutosave {
public:
    // The file of a channel (0-3, shown as 1-4); an empty folder is the
    // program's data folder.
    static QString FileName(const QString& strDir, int nChannel, bool bAddDate, const QDate& localDate);

    enum Result { Nothing, Saved, Failed };
    // Empties the bytes once they are in the file; a failure keeps them for
    // the next save. pbReport is set for the first failure after a success,
    // so the operator hears of a failing save once, not every minute.
    Result Save(QByteArray& unsaved, int nChannel, const QDate& localDate, QString* pstrError, bool* pbReport);
    Result Save(QByteArray& unsaved, int nChannel, QString* pstrError, bool* pbReport);

    bool HasSavedOnce() const { return m_bSavedOnce; }
    QString GetLastPath() const { return m_strLastPath; }

private:
    bool m_bSavedOnce = false;
    bool m_bFailureReported = false;
    QString m_strLastPath;
};
