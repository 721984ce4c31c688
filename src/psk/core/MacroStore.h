#pragma once
// Macros: stored texts with tag placeholders that a channel window sends.
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CMacro {
public:
    // Flags of a macro.
    static constexpr int kEraseFirst = 0x01;
    static constexpr int kSendNow = 0x02;
    static constexpr int kAlwaysPrompt = 0x08;
    static constexpr int kOwnStationOnly = 0x40;

    CMacro() = default;
    CMacro(const QString& strTitle, const QStringList& lines, int nFlags)
        : m_strTitle(strTitle), m_lines(lines), m_nFlags(nFlags)
    {
    }
    virtual ~CMacro() = default;

    const QString& GetTitle() const { return m_strTitle; }
    // The full title is the macro's identity; the short one labels it in lists.
    const QString& GetFullTitle() const { return m_strTitle; }
    const QString& GetShortTitle() const { return m_strShortTitle; }
    const QStringList& GetLines() const { return m_lines; }
    int GetFlags() const { return m_nFlags; }
    void SetFlags(int nFlags) { m_nFlags = nFlags; }
    int IsEnabled() const { return m_bEnabled; }
    // The leave-his-info mode (0x40) for the next send.
    void SetLeaveHisInfoEmpty(bool bOn) { m_nFlags = bOn ? (m_nFlags | kOwnStationOnly) : (m_nFlags & ~kOwnStationOnly); }

    QString m_strTitle;
    QString m_strShortTitle;
    QStringList m_lines;
    int m_nFlags = 0;
    int m_bEnabled = 1;
};

class CMacroStore {
public:
    CMacroStore() = default;
    virtual ~CMacroStore() = default;
    CMacroStore(const CMacroStore&) = delete;
    CMacroStore& operator=(const CMacroStore&) = delete;

    int GetCount() const { return int(m_macros.size()); }
    CMacro* GetAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetCount() ? m_macros[size_t(nIndex)].get() : nullptr;
    }
    CMacro* Add(const QString& strTitle, const QStringList& lines, int nFlags)
    {
        m_macros.push_back(std::make_unique<CMacro>(strTitle, lines, nFlags));
        return m_macros.back().get();
    }
    void Clear() { m_macros.clear(); }
    // First macro whose full title equals the text exactly, or none.
    CMacro* FindByTitle(const QString& strTitle) const
    {
        for (const auto& macro : m_macros)
            if (macro->m_strTitle == strTitle)
                return macro.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CMacro>> m_macros;
};

// The application's one macro store.
CMacroStore& Macros();
