#pragma once
// The operator's favourites: an ordered, owning list of favourite entries,
// stored in "FT-817 Favourites.txt" in the decoded tagged-line form of the
// memory lists, the 73 built-in favourites, and a map from frequency to the
// titles of the favourites on it (what the front panel shows in place of its
// receive and transmit text).
#include "corvane/core/MemoryChannelList.h"
#include "corvane/organisers/FavouriteEntry.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>

class CFavouritesCollection : public CMemoryChannelList {
public:
    // The text file kind of "FT-817 Favourites.txt".
    static constexpr int kFileKind = 4;
    static constexpr int kDefaultCount = 73;

    CFavouritesCollection();
    ~CFavouritesCollection() override;

    // Every entry replaced by the built-in favourites, then saved.
    void LoadDefaults();
    // The same without writing the file.
    void FillDefaults();
    // The favourites file replaces every entry (a missing or unreadable file
    // leaves the list empty); then the frequency map is rebuilt.
    bool Load();
    // Any file of the tagged-line memory-list form, without touching the map.
    bool LoadFrom(const QString& strPath);
    // The favourites file, or another file with the favourites file's header.
    bool Save() const;
    bool SaveAs(const QString& strPath) const;

    // First entry with exactly this folder and title (case matters).
    CFavouriteEntry* Find(const QString& strFolder, const QString& strTitle) const;
    int IndexOf(const QString& strFolder, const QString& strTitle) const;
    // With bReplace the (folder, title) pair is updated in place when it
    // exists; otherwise a new entry is appended. Returns the entry.
    CFavouriteEntry* AddOrUpdate(const QString& strFolder, const QString& strTitle, bool bReplace, uint32_t nHz,
                                 uint8_t nMode, const QString& strSettings);
    // A new entry with the source's frequency, mode and settings.
    CFavouriteEntry* AddFromRecord(const CMemoryChannel& source, const QString& strFolder, const QString& strTitle);
    // A copy of entry n under a new folder and title; the new index.
    int Duplicate(int nIndex, const QString& strFolder, const QString& strTitle);
    // Deletes the first entry with the folder and title.
    void Remove(const QString& strFolder, const QString& strTitle);
    // Appends a record (a plain one becomes a favourite entry).
    CFavouriteEntry* Add(std::unique_ptr<CMemoryChannel> pEntry);
    CFavouriteEntry* GetEntry(int nIndex) const;

    void RebuildFrequencyMap();
    // The titles stored for exactly this frequency, joined by " / ".
    bool LookupFrequency(uint32_t nHz, QString& strTitles) const;

protected:
    std::unique_ptr<CMemoryChannel> CreateEntry() const override;

private:
    QHash<uint32_t, QString> m_frequencyMap;
};
