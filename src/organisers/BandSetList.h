#pragma once
// The operator's custom band definitions: named sets of frequency ranges,
// offered to the tuning dial, the Bands window and the navigator. The list
// owns its sets and each set owns its ranges; copies are deep.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

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
    // Edges in Hz.
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

class CBandSet {
public:
    CBandSet() = default;
    CBandSet(const CBandSet& other) { CopyFrom(other); }
    CBandSet& operator=(const CBandSet& other)
    {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }
    virtual ~CBandSet() = default;

    void AddBand(int nEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle)
    {
        m_bands.push_back(std::make_unique<CBandEntry>(nEnabled, nFrom, nTo, strTitle));
    }
    void RemoveAll() { m_bands.clear(); }
    void CopyFrom(const CBandSet& other)
    {
        RemoveAll();
        m_nEnabled = other.m_nEnabled;
        m_strTitle = other.m_strTitle;
        for (const auto& band : other.m_bands)
            m_bands.push_back(std::make_unique<CBandEntry>(*band));
    }
    void Assign(const CBandSet& other) { CopyFrom(other); }

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }
    int GetEnabled() const { return m_nEnabled; }
    void SetEnabled(int nEnabled) { m_nEnabled = nEnabled; }
    int GetBandCount() const { return int(m_bands.size()); }
    CBandEntry* GetBand(int n) const { return n >= 0 && n < GetBandCount() ? m_bands[size_t(n)].get() : nullptr; }

private:
    int m_nEnabled = 0;
    QString m_strTitle;
    std::vector<std::unique_ptr<CBandEntry>> m_bands;
};

class CBandSetList {
public:
    CBandSetList() = default;
    CBandSetList(const CBandSetList&) = delete;
    CBandSetList& operator=(const CBandSetList&) = delete;
    virtual ~CBandSetList() = default;

    int GetCount() const { return int(m_sets.size()); }
    CBandSet* GetAt(int n) const { return n >= 0 && n < GetCount() ? m_sets[size_t(n)].get() : nullptr; }
    void AddCopy(const CBandSet& set) { m_sets.push_back(std::make_unique<CBandSet>(set)); }
    void RemoveAt(int n)
    {
        if (n >= 0 && n < GetCount())
            m_sets.erase(m_sets.begin() + n);
    }
    void RemoveAll() { m_sets.clear(); }
    void CopyFrom(const CBandSetList& other)
    {
        RemoveAll();
        for (const auto& set : other.m_sets)
            AddCopy(*set);
    }

private:
    std::vector<std::unique_ptr<CBandSet>> m_sets;
};
