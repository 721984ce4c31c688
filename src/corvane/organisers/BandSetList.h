#pragma once
// The operator's custom band definitions: named sets of frequency ranges,
// offered to the tuning dial, the Bands window and the navigator, kept in
// "FT-817 Band Definitions.txt". The list owns its sets and each set owns
// its ranges; copies are always deep.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class CBandPlan;
class QWidget;

// One frequency range of a set.
class CBandEntry {
public:
    CBandEntry() = default;
    CBandEntry(int nEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle)
        : m_nEnabled(nEnabled), m_nFrom(nFrom), m_nTo(nTo), m_strTitle(strTitle)
    {
    }
    virtual ~CBandEntry() = default;

    void Reset() { *this = CBandEntry(); }
    int GetEnabled() const { return m_nEnabled; }
    void SetEnabled(int nEnabled) { m_nEnabled = nEnabled; }
    // Edges in Hz; nothing here requires from < to.
    uint32_t GetFrom() const { return m_nFrom; }
    void SetFrom(uint32_t nHz) { m_nFrom = nHz; }
    uint32_t GetTo() const { return m_nTo; }
    void SetTo(uint32_t nHz) { m_nTo = nHz; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }

private:
    int m_nEnabled = 0;
    uint32_t m_nFrom = 0;
    uint32_t m_nTo = 0;
    QString m_strTitle;
};

// A named set of ranges in the order the operator arranged them.
class CBandSet {
public:
    CBandSet() = default;
    CBandSet(const CBandSet& other) { CopyFrom(other); }
    CBandSet& operator=(const CBandSet& other)
    {
        CopyFrom(other);
        return *this;
    }
    virtual ~CBandSet() = default;

    void AddBand(int nEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle);
    // Every range goes; title and enabled flag stay.
    void RemoveAll() { m_bands.clear(); }
    void CopyFrom(const CBandSet& other);
    void Assign(const CBandSet& other) { CopyFrom(other); }

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }
    int GetEnabled() const { return m_nEnabled; }
    void SetEnabled(int nEnabled) { m_nEnabled = nEnabled; }
    int GetBandCount() const { return int(m_bands.size()); }
    CBandEntry* GetBand(int n) const { return n >= 0 && n < GetBandCount() ? m_bands[size_t(n)].get() : nullptr; }

    // The tuning dial's plan of this set: its enabled ranges, in order.
    void BuildPlan(CBandPlan& plan) const;

private:
    int m_nEnabled = 0;
    QString m_strTitle;
    std::vector<std::unique_ptr<CBandEntry>> m_bands;
};

class CBandSetList {
public:
    // File kinds of the definitions file and of the factory defaults.
    static constexpr int kDefinitionsKind = 6;
    static constexpr int kDefaultsKind = 7;

    CBandSetList() = default;
    CBandSetList(const CBandSetList&) = delete;
    CBandSetList& operator=(const CBandSetList&) = delete;
    virtual ~CBandSetList() = default;

    int GetCount() const { return int(m_sets.size()); }
    CBandSet* GetAt(int n) const { return n >= 0 && n < GetCount() ? m_sets[size_t(n)].get() : nullptr; }
    void AddCopy(const CBandSet& set);
    // Out-of-range positions append (insert) or do nothing (replace, remove).
    void InsertCopyAt(int n, const CBandSet& set);
    void ReplaceAt(int n, const CBandSet& set);
    void RemoveAt(int n);
    void RemoveAll() { m_sets.clear(); }
    void CopyFrom(const CBandSetList& other);

    // Stable, ascending by title, compared code by code (Z before a).
    void SortByTitle();

    // Replaces the contents with the file's sets, sorted; an unreadable file
    // leaves the list empty without a word.
    void Load(const QString& strPath);
    // Writes every set with the comment lines of the kind; write errors are
    // shown by the text file. FALSE when the file was not written.
    bool Save(int nKind, const QString& strPath) const;
    void LoadFile(int nKind);
    bool SaveFile(int nKind) const;
    bool SaveDefinitions() const { return SaveFile(kDefinitionsKind); }
    // The factory defaults; when they cannot be read the operator is told
    // (caption "Defaults") and the list stays as it was. FALSE then.
    bool LoadDefaults(QWidget* pOwner = nullptr);

    // The lines of the file without its comment header and closing lines.
    QStringList BuildLines() const;
    void ParseLines(const QStringList& lines);

    // Where the program looks for its factory defaults: the data folder's
    // copy when the operator keeps one, else the copy shipped beside the
    // program. The data folder's path when there is neither.
    static QString DefaultsPath();
    // Folder of the shipped copy (tests point it elsewhere).
    static void SetShippedFolder(const QString& strFolder);

private:
    std::vector<std::unique_ptr<CBandSet>> m_sets;
};

// The application's band sets, alive for the whole run.
CBandSetList& GetBandSets();
