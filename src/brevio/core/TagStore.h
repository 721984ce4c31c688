#pragma once
// Tags: named values that macros put into transmitted text ("<Callsign>")
// and that make up the logbook record of a contact. Own-station tags ("My
// Callsign") have one value for every channel; the others may hold one value
// per channel (0-3 the receive windows, 10-49 the Super Browser slots).
#include "brevio/core/DefinitionFileGuard.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class CTag {
public:
    static constexpr int kChannels = 50;

    virtual ~CTag() = default;
    void Reset();
    void CopyFrom(const CTag& other);

    int m_bEnabled = 0;
    int m_bLocked = 0;
    int m_bOwnStation = 0;
    QString m_strLogField;
    QString m_strTitle;
    QString m_strValue;
    std::array<QString, kChannels> m_strChannelValues;

    const QString& GetTitle() const { return m_strTitle; }
    int IsOwnStation() const { return m_bOwnStation; }
    // The logbook's gridsquare (or the own one, "My Locator").
    bool HoldsLocator() const;
    // The value rule: the common value for own-station tags and channel -1.
    const QString& Value(int nChannel) const;
    QString& Value(int nChannel);
};

class CTagStore {
public:
    static constexpr int kFileKind = 0;
    static QString DefaultFileName() { return QStringLiteral("PSK31 Brevio Tags v2.txt"); }
    static QString DefaultPath();

    CTagStore();
    virtual ~CTagStore();
    CTagStore(const CTagStore&) = delete;
    CTagStore& operator=(const CTagStore&) = delete;

    void Clear();
    int GetCount() const { return int(m_tags.size()); }
    CTag* GetAt(int nIndex) const;
    // First tag with exactly that title (case-sensitive), or none.
    CTag* FindByTitle(const QString& strTitle) const;
    void Add(const QString& strTitle, const QString& strLogField, int bOwnStation, int bEnabled, int bLocked);
    void AddBuiltIn(const QString& strTitle, const QString& strLogField, const QString& strValue, int bOwnStation,
                    int bEnabled, int bLocked);
    // The nine built-in tags, then the nine default own-station tags: what
    // the store holds without a tags file.
    void SetDefaults();
    // A deep copy of the source (values included); answers the count.
    int CopyFrom(const CTagStore& source);
    int IndexOf(const QString& strTitle) const;
    // The first unlocked tag of that title; locked ones are passed over.
    void DeleteByTitle(const QString& strTitle);
    // The first tag of the old title takes the new title, field and flags;
    // its values stay.
    void Update(const QString& strOldTitle, const QString& strNewTitle, const QString& strLogField, int bOwnStation,
                int bEnabled, int bLocked);
    // The named tags first, in the list's order; the rest after them as they were.
    void Reorder(const QStringList& titles);

    // A value that does not suit its tag changes nothing and answers false:
    // a locator tag takes only an empty value or a locator (in upper case).
    bool SetValue(const QString& strTitle, const QString& strValue, int nChannel);
    QString GetValue(const QString& strTitle, int nChannel) const;
    // Answers the indices of the values refused.
    QList<int> SetValues(const QStringList& titles, const QStringList& values, int nChannel);
    // The value as the tag keeps it; false when the tag cannot take it.
    static bool CheckValue(const CTag& tag, QString& strValue);
    // The same for a value entered for a macro's tag name, which fills every
    // tag of that name in any letter case.
    bool CheckValueFor(const QString& strName, QString& strValue) const;

    // The tags file: the built-in tags, then the file's records (or the
    // default own-station tags when the file has none). A missing file is
    // no error. False, the store as it was, for a file that cannot be read
    // or is no tags file; then the reason is given (empty when the text file
    // has already shown it).
    bool Load(const QString& strPath, QString* pstrError = nullptr);
    // Whether the lines can be those of a tags file: a banner of another
    // kind of definitions, or no tag record at all in a file without the
    // tags' banner say it is not. Lines that are no record lines are
    // skipped when reading.
    static bool IsTagFile(const QStringList& lines, QString* pstrReason = nullptr);
    // False when the text file could not write it (and has said so).
    bool Save(const QString& strPath) const;
    // The record lines Save writes, without the comment block around them.
    QStringList RecordLines() const;
    void ReadLines(const QStringList& lines);
    // The program folder's file. One that is there but cannot be read, or
    // is no tags file, is told to the operator, gives only the built-in tags,
    // and is never overwritten by SaveDefault, which says so instead: in a
    // box every time, or, with bBoxEveryTime false (the saves that follow
    // the operator's edits), in a box the first time and in the main
    // window's status bar after that.
    // With pUnread the file is not told but added there (TellUnread).
    void LoadDefault(QStringList* pUnread = nullptr);
    bool SaveDefault(bool bBoxEveryTime = true) const;
    bool IsDefaultUnread() const { return m_guard.IsUnread(); }
    const CDefinitionFileGuard& Guard() const { return m_guard; }

    // "[imd]" and "[program]" in any letter case; answers the number of lines.
    int ExpandFixedTags(QStringList& lines, int bLessThan, int nImd) const;
    static QString ImdText(int bLessThan, int nImd);
    static QString ProgramText();

    // The ADIF record of the channel's values, stamped with the UTC time.
    QString WriteAdif(int nChannel) const;
    QString WriteAdif(int nChannel, const QDateTime& utc, bool bTagsPerChannel) const;

    // The built-in titles with their logbook fields, in record order.
    static const std::vector<std::pair<QString, QString>>& BuiltInTags();
    static const QStringList& DefaultOwnStationTags();

private:
    std::vector<std::unique_ptr<CTag>> m_tags;
    CDefinitionFileGuard m_guard{kFileKind, QStringLiteral("tag"), {100, 102, 103, 104, 106}};
};

// The application's one tag store (the built-ins and default own-station
// tags until a tags file is loaded into it).
CTagStore& Tags();
