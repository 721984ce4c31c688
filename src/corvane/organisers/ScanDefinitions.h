#pragma once
// Named, saved scans: a band scan (a range and a mode) or a memory scan (a
// run of eight-character channel identifiers), kept in
// "FT-817 ScanDefs v2.txt" in the program folder.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class CScanDefinition {
public:
    enum Kind : int { KIND_BAND = 0, KIND_MEMORY = 1 };

    CScanDefinition() = default;
    virtual ~CScanDefinition() = default;

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& s) { m_strTitle = s; }
    // Memory scans: the identifiers run together, eight characters each.
    const QString& GetMemories() const { return m_strMemories; }
    void SetMemories(const QString& s) { m_strMemories = s; }
    int GetKind() const { return m_nKind; }
    void SetKind(int n) { m_nKind = n; }
    // Band scans: the CAT mode code and the edges in Hz.
    uint8_t GetMode() const { return m_nMode; }
    void SetMode(uint8_t n) { m_nMode = n; }
    uint32_t GetFrom() const { return m_nFrom; }
    void SetFrom(uint32_t n) { m_nFrom = n; }
    uint32_t GetTo() const { return m_nTo; }
    void SetTo(uint32_t n) { m_nTo = n; }

    // The identifiers of a memory scan; a rest shorter than eight goes.
    QStringList GetMemoryIdentifiers() const;

private:
    QString m_strTitle;
    QString m_strMemories;
    int m_nKind = 0;
    uint8_t m_nMode = 0;
    uint32_t m_nFrom = 0;
    uint32_t m_nTo = 0;
};

class CScanDefinitions {
public:
    static constexpr int kIdentifierLength = 8;

    CScanDefinitions() = default;
    CScanDefinitions(const CScanDefinitions&) = delete;
    CScanDefinitions& operator=(const CScanDefinitions&) = delete;
    virtual ~CScanDefinitions() = default;

    static QString FileName() { return QStringLiteral("FT-817 ScanDefs v2.txt"); }
    static QString GetPath();

    // Read, then sort. A missing file gives an empty store, silently.
    void Load();
    // FALSE when the file was not written (the text file has said why).
    bool Save() const;
    void Read(const QString& strPath);
    bool Write(const QString& strPath) const;

    int GetCount() const { return int(m_definitions.size()); }
    CScanDefinition* GetAt(int n) const
    {
        return n >= 0 && n < GetCount() ? m_definitions[size_t(n)].get() : nullptr;
    }
    void GetTitles(QStringList& titles) const;
    void AddBandScan(const QString& strTitle, uint32_t nFrom, uint32_t nTo, uint32_t nMode, int bOverwrite);
    void AddMemoryScan(const QString& strTitle, const QStringList& identifiers, int bOverwrite);
    // The first definition of exactly that title gives way to the new one;
    // with no such title the new one is dropped. TRUE when replaced.
    bool ReplaceByTitle(const QString& strTitle, std::unique_ptr<CScanDefinition> definition);
    void DeleteAt(int n);
    void RemoveAll() { m_definitions.clear(); }
    // Stable, ascending by title, ignoring case.
    void SortByTitle();

    QStringList BuildLines() const;
    void ParseLines(const QStringList& lines);

    // "Label   " or "CHAN#%02X#": the eight-character identifier of a channel.
    static QString MemoryIdentifier(const QString& strLabel, int nChannelIndex);

private:
    void Add(std::unique_ptr<CScanDefinition> definition, int bOverwrite);

    std::vector<std::unique_ptr<CScanDefinition>> m_definitions;
};

// The application's scan definitions, alive for the whole run.
CScanDefinitions& GetScanDefinitions();

// Titles compared as the store sorts them: letters A-Z and a-z alike.
int CompareTitlesNoCase(const QString& a, const QString& b);
