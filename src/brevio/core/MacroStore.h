#pragma once
// Macros: stored texts with tag placeholders that a channel window sends,
// and the macro definitions file "PSK31 Brevio Macros v2.txt".
#include "brevio/core/DefinitionFileGuard.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CMacro {
public:
    // Flags of a macro; only these survive loading or copying.
    static constexpr int kEraseFirst = 0x01;
    static constexpr int kSendNow = 0x02;
    static constexpr int kAlwaysPrompt = 0x08;
    static constexpr int kSuperBrowserOnly = 0x20;
    static constexpr int kOwnStationOnly = 0x40;
    static constexpr int kKnownFlags = kEraseFirst | kSendNow | kAlwaysPrompt | kSuperBrowserOnly | kOwnStationOnly;

    CMacro() = default;
    CMacro(const QString& strTitle, const QStringList& lines, int nFlags)
        : m_strTitle(strTitle), m_lines(lines), m_nFlags(nFlags)
    {
    }
    virtual ~CMacro() = default;

    // Empty titles, no lines, no flags, enabled.
    void Reset();

    const QString& GetTitle() const { return m_strTitle; }
    // The full title is the macro's identity; the short one labels it in lists.
    const QString& GetFullTitle() const { return m_strTitle; }
    const QString& GetShortTitle() const { return m_strShortTitle; }
    const QStringList& GetLines() const { return m_lines; }
    int GetFlags() const { return m_nFlags; }
    void SetFlags(int nFlags) { m_nFlags = nFlags; }
    int IsEnabled() const { return m_bEnabled; }
    void SetEnabled(int bEnabled) { m_bEnabled = bEnabled; }
    bool IsEraseFirst() const { return m_nFlags & kEraseFirst; }
    bool IsSendNow() const { return m_nFlags & kSendNow; }
    bool IsAlwaysPrompt() const { return m_nFlags & kAlwaysPrompt; }
    bool IsSuperBrowserOnly() const { return m_nFlags & kSuperBrowserOnly; }
    bool IsLeaveHisInfoEmpty() const { return m_nFlags & kOwnStationOnly; }
    // The leave-his-info mode (0x40) for the next send.
    void SetLeaveHisInfoEmpty(bool bOn) { m_nFlags = bOn ? (m_nFlags | kOwnStationOnly) : (m_nFlags & ~kOwnStationOnly); }

    // The flags word of the five switches.
    static int MakeFlags(bool bErase, bool bAlwaysPrompt, bool bSendNow, bool bSuperBrowserOnly, bool bLeaveHisInfo);

    QString m_strTitle;
    QString m_strShortTitle;
    QStringList m_lines;
    int m_nFlags = 0;
    int m_bEnabled = 1;
};

class CMacroStore {
public:
    static constexpr int kFileKind = 1;
    static QString DefaultFileName() { return QStringLiteral("PSK31 Brevio Macros v2.txt"); }
    static QString DefaultPath();

    CMacroStore() = default;
    virtual ~CMacroStore() = default;
    CMacroStore(const CMacroStore&) = delete;
    CMacroStore& operator=(const CMacroStore&) = delete;

    int GetCount() const { return int(m_macros.size()); }
    // nullptr outside the store.
    CMacro* GetAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetCount() ? m_macros[size_t(nIndex)].get() : nullptr;
    }
    // First macro whose full title equals the text exactly, or none.
    CMacro* FindByTitle(const QString& strTitle) const;
    int IndexOf(const QString& strTitle) const;

    CMacro* Add(const QString& strFullTitle, const QString& strShortTitle, const QStringList& lines, bool bErase,
                bool bAlwaysPrompt, bool bSendNow, bool bSuperBrowserOnly, int nEnabled, bool bLeaveHisInfo);
    // A macro with only a title, its lines and flags (enabled, no short title).
    CMacro* Add(const QString& strTitle, const QStringList& lines, int nFlags);
    // Overwrites every field of the first macro with the key title; nothing
    // when none has it.
    void Update(const QString& strKeyTitle, const QString& strFullTitle, const QString& strShortTitle,
                const QStringList& lines, bool bErase, bool bAlwaysPrompt, bool bSendNow, bool bSuperBrowserOnly,
                int nEnabled, bool bLeaveHisInfo);
    void DeleteByTitle(const QString& strTitle);
    void RemoveAll();
    void Clear() { RemoveAll(); }
    // A deep copy of the other store; answers the count.
    int CopyFrom(const CMacroStore& other);
    int GetTitles(QStringList& titles) const;
    // Byte order of the full titles (upper case before lower case); equal
    // titles keep their order.
    void SortByTitle();
    void Swap(int a, int b);

    // A missing file leaves the store empty and says nothing; other file
    // errors are shown by the text file. A file that cannot be read, or is
    // not a macro definitions file, changes nothing: false, with the reason
    // (empty when the text file has already shown it).
    bool Load(const QString& strPath, QString* pstrError = nullptr);
    // Whether the lines can be those of a macro definitions file: a banner
    // of another kind of definitions, or no macro record at all in a file
    // without the macros' banner say it is not. Lines that are no record
    // lines are skipped when reading.
    static bool IsMacroFile(const QStringList& lines, QString* pstrReason = nullptr);
    // False when the text file could not write it (and has said so).
    bool Save(const QString& strPath) const;
    // The record lines Save writes, without the comment block around them.
    QStringList RecordLines() const;
    // Reads the record lines of a file (comment lines are skipped).
    void ReadLines(const QStringList& lines);
    // The program folder's file. One that is there but cannot be read, or
    // is no macro file, is told to the operator, leaves the store as it was,
    // and is never overwritten by SaveDefault (which says so instead).
    // With pUnread the file is not told but added there (TellUnread).
    void LoadDefault(QStringList* pUnread = nullptr);
    bool SaveDefault() const;
    bool IsDefaultUnread() const { return m_guard.IsUnread(); }
    const CDefinitionFileGuard& Guard() const { return m_guard; }

private:
    std::vector<std::unique_ptr<CMacro>> m_macros;
    CDefinitionFileGuard m_guard{kFileKind, QStringLiteral("macro"), {100, 101, 102, 103, 104}};
};

// The application's one macro store.
CMacroStore& Macros();
