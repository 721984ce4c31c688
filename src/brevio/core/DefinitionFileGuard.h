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
    // is remembered, so MaySave refuses it, and told to the operator: at
    // once, or, with pUnread, added there (one line naming the file and what
    // is wrong) for one box about every file the start could not read.
    Result ReadDefault(const QString& strPath, QStringList& lines, QStringList* pUnread = nullptr);
    // One box for the lines ReadDefault collected; none when there are none.
    static void TellUnread(const QStringList& unread, QWidget* pParent = nullptr);
    // Whether a save may write strPath. When not, says so: in a box every
    // time, or with bBoxEveryTime false (saves that follow each edit) in a
    // box the first time and in the main window's status bar after that.
    bool MaySave(const QString& strPath, bool bBoxEveryTime = true) const;
    bool IsUnread() const { return m_bUnread; }

    // The box for a file that is no file of this kind.
    void TellNotLoaded(const QString& strPath, const QString& strReason, QWidget* pParent = nullptr) const;

private:
    QString NotThisKind(const QString& strPath, const QString& strReason) const;

    int m_nKind;
    QString m_strNoun;
    QList<int> m_recordCodes;
    bool m_bUnread = false;
    mutable bool m_bToldUnsaved = false;
};
