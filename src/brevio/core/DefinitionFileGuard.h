#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QWidget;

// Macros and tags live in definitions files of the program folder that the
// operator builds up over years. One that cannot be read (a damaged disk, a
// foreign file under its name, an editor's other encoding) must never be
// replaced by the empty store a save would write: the guard reads the file,
// tells the operator what is wrong with it, and refuses saves over it.
class CDefinitionFileGuard {
public:
    // nKind is the "#@filetype=" of the file, strNoun its records' name
    // ("macro"), recordCodes the line codes only its records use.
    CDefinitionFileGuard(int nKind, QString strNoun, std::initializer_list<int> recordCodes);

    // Whether the lines can be those of such a file: a banner of another
    // kind of definitions, or no record at all in a file without the kind's
    // banner say it is not. Lines that are no record lines are skipped when
    // reading, so a stray byte costs only its own line.
    bool Recognises(const QStringList& lines, QString* pstrReason = nullptr) const;

    enum class Result { kMissing, kRead, kRefused };
    // kRefused for a file that cannot be read (the reason is then empty: the
    // text file has shown the error) or is no file of this kind.
    Result Read(const QString& strPath, QStringList& lines, QString* pstrReason = nullptr) const;

    // The program folder's file: a blank one counts as missing; one refused
    // is told to the operator and remembered, so MaySave refuses it.
    Result ReadDefault(const QString& strPath, QStringList& lines);
    // Whether a save may write strPath. When not, says so: in a box every
    // time, or with bBoxEveryTime false (saves that follow each edit) in a
    // box the first time and in the main window's status bar after that.
    bool MaySave(const QString& strPath, bool bBoxEveryTime = true) const;
    bool IsUnread() const { return m_bUnread; }

    // The box for a file that is no file of this kind.
    void TellNotLoaded(const QString& strPath, const QString& strReason, QWidget* pParent = nullptr) const;

private:
    int m_nKind;
    QString m_strNoun;
    QList<int> m_recordCodes;
    bool m_bUnread = false;
    mutable bool m_bToldUnsaved = false;
};
