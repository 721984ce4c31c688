#include "corvane/organisers/FavouritesCollection.h"

namespace {
struct DefaultFavourite {
    const char* folder;
    const char* title;
    uint32_t nHz;
    uint8_t nMode;
    const char* settings;
};

// CAT modes: 0 LSB, 1 USB, 2 CW, 4 AM, 8 FM, 10 DIG.
constexpr const char* kSimplex = "1,0,0,0,0,0";
const DefaultFavourite kDefaults[CFavouritesCollection::kDefaultCount] = {
    {"160m", "1.83 MHz", 1830000, 2, ""},
    {"160m", "1.93 MHz", 1930000, 0, ""},
    {"80m", "3.51 MHz", 3510000, 2, ""},
    {"80m", "3.78 MHz", 3780000, 0, ""},
    {"40m", "7.01 MHz", 7010000, 2, ""},
    {"40m", "7.09 MHz", 7090000, 0, ""},
    {"20m", "14.050 MHz", 14050000, 2, ""},
    {"20m", "14.200 MHz", 14200000, 1, ""},
    {"15m", "21.050 MHz", 21050000, 2, ""},
    {"15m", "21.300 MHz", 21300000, 1, ""},
    {"10m", "28.050 MHz", 28050000, 2, ""},
    {"10m", "28.300 MHz", 28300000, 1, ""},
    {"6m", "CW Calling", 50090000, 2, ""},
    {"6m", "SSB Calling", 50150000, 1, ""},
    {"2m", "CW Calling", 144050000, 2, ""},
    {"2m", "SSB Calling", 144300000, 1, ""},
    {"2m\\Simplex", "V34", 145425000, 8, kSimplex},
    {"2m\\Simplex", "V35", 145437500, 8, kSimplex},
    {"2m\\Simplex", "V36", 145450000, 8, kSimplex},
    {"2m\\Simplex", "V37", 145462500, 8, kSimplex},
    {"2m\\Simplex", "V38", 145475000, 8, kSimplex},
    {"2m\\Simplex", "V39", 145487500, 8, kSimplex},
    {"2m\\Simplex", "V40", 145500000, 8, kSimplex},
    {"2m\\Simplex", "V41", 145512500, 8, kSimplex},
    {"2m\\Simplex", "V42", 145525000, 8, kSimplex},
    {"2m\\Simplex", "V43", 145537500, 8, kSimplex},
    {"2m\\Simplex", "V44", 145550000, 8, kSimplex},
    {"2m\\Repeaters", "RV48", 145600000, 8, kSimplex},
    {"2m\\Repeaters", "RV49", 145612500, 8, kSimplex},
    {"2m\\Repeaters", "RV50", 145625000, 8, kSimplex},
    {"2m\\Repeaters", "RV51", 145637500, 8, kSimplex},
    {"2m\\Repeaters", "RV52", 145650000, 8, kSimplex},
    {"2m\\Repeaters", "RV53", 145662500, 8, kSimplex},
    {"2m\\Repeaters", "RV54", 145675000, 8, kSimplex},
    {"2m\\Repeaters", "RV55", 145687500, 8, kSimplex},
    {"2m\\Repeaters", "RV56", 145700000, 8, kSimplex},
    {"2m\\Repeaters", "RV57", 145712500, 8, kSimplex},
    {"2m\\Repeaters", "RV58", 145725000, 8, kSimplex},
    {"2m\\Repeaters", "RV59", 145737500, 8, kSimplex},
    {"2m\\Repeaters", "RV60", 145750000, 8, kSimplex},
    {"2m\\Repeaters", "RV61", 145762500, 8, kSimplex},
    {"2m\\Repeaters", "RV62", 145775000, 8, kSimplex},
    {"2m\\Switzerland", "Repeater North", 145662500, 8, "1,600000,22,0,1,1"},
    {"2m\\Switzerland", "Repeater South", 145600000, 8, "1,600000,0,0,1,0"},
    {"70cm", "CW Calling", 432050000, 2, ""},
    {"70cm", "SSB Calling", 432200000, 1, ""},
    {"70cm\\Switzerland", "Repeater East", 439375000, 8, "1,7600000,0,0,1,0"},
    {"70cm\\Switzerland", "Repeater West", 438250000, 8, "1,7600000,0,0,1,0"},
    {"70cm\\Switzerland", "Repeater North", 438675000, 8, "1,7600000,0,0,1,0"},
    {"70cm\\Switzerland", "Repeater South", 438650000, 8, "1,7600000,0,0,1,0"},
    {"Air", "121.150 MHz", 121150000, 4, ""},
    {"QRP\\CW", "1.843 MHz", 1843000, 2, ""},
    {"QRP\\CW", "3.560 MHz", 3560000, 2, ""},
    {"QRP\\CW", "7.030 MHz", 7030000, 2, ""},
    {"QRP\\CW", "10.106 MHz", 10106000, 2, ""},
    {"QRP\\CW", "14.060 MHz", 14060000, 2, ""},
    {"QRP\\CW", "21.060 MHz", 21060000, 2, ""},
    {"QRP\\CW", "28.060 MHz", 28060000, 2, ""},
    {"QRP\\SSB", "3.690 MHz", 3690000, 0, ""},
    {"QRP\\SSB", "14.285 MHz", 14285000, 1, ""},
    {"QRP\\SSB", "21.285 MHz", 21285000, 1, ""},
    {"QRP\\SSB", "28.360 MHz", 28360000, 1, ""},
    {"PSK31", "1.838.150 MHz", 1838150, 10, ""},
    {"PSK31", "3.580.150 MHz", 3580150, 10, ""},
    {"PSK31", "7.035.150 MHz", 7035150, 10, ""},
    {"PSK31", "7.080.150 MHz", 7080150, 10, ""},
    {"PSK31", "10.142.150 MHz", 10142150, 10, ""},
    {"PSK31", "14.070.150 MHz", 14070150, 10, ""},
    {"PSK31", "18.100.150 MHz", 18100150, 10, ""},
    {"PSK31", "21.070.150 MHz", 21070150, 10, ""},
    {"PSK31", "21.080.150 MHz", 21080150, 10, ""},
    {"PSK31", "24.920.150 MHz", 24920150, 10, ""},
    {"PSK31", "28.120.150 MHz", 28120150, 10, ""},
};
} // namespace

CFavouritesCollection::CFavouritesCollection()
{
    m_frequencyMap.reserve(10);
}

CFavouritesCollection::~CFavouritesCollection() = default;

std::unique_ptr<CMemoryChannel> CFavouritesCollection::CreateEntry() const
{
    return std::make_unique<CFavouriteEntry>();
}

CFavouriteEntry* CFavouritesCollection::Add(std::unique_ptr<CMemoryChannel> pEntry)
{
    if (!pEntry)
        return nullptr;
    if (!dynamic_cast<CFavouriteEntry*>(pEntry.get()))
        pEntry = std::make_unique<CFavouriteEntry>(*pEntry);
    return static_cast<CFavouriteEntry*>(CMemoryChannelList::Add(std::move(pEntry)));
}

CFavouriteEntry* CFavouritesCollection::GetEntry(int nIndex) const
{
    return dynamic_cast<CFavouriteEntry*>(GetAt(nIndex));
}

void CFavouritesCollection::FillDefaults()
{
    RemoveAll();
    for (const DefaultFavourite& row : kDefaults) {
        auto entry = std::make_unique<CFavouriteEntry>();
        entry->SetFolder(QString::fromLatin1(row.folder));
        entry->SetTitle(QString::fromLatin1(row.title));
        entry->SetRepeaterSettings(QString::fromLatin1(row.settings));
        entry->SetMode(row.nMode);
        entry->SetRxFrequency(row.nHz);
        entry->BuildTexts();
        Add(std::move(entry));
    }
}

void CFavouritesCollection::LoadDefaults()
{
    FillDefaults();
    Save();
}

bool CFavouritesCollection::Load()
{
    const bool ok = LoadKind(kFileKind);
    RebuildFrequencyMap();
    return ok;
}

bool CFavouritesCollection::LoadFrom(const QString& strPath)
{
    return CMemoryChannelList::Load(kFileKind, strPath);
}

bool CFavouritesCollection::Save() const
{
    return SaveKind(kFileKind);
}

bool CFavouritesCollection::SaveAs(const QString& strPath) const
{
    return CMemoryChannelList::Save(kFileKind, strPath);
}

CFavouriteEntry* CFavouritesCollection::Find(const QString& strFolder, const QString& strTitle) const
{
    const int index = IndexOf(strFolder, strTitle);
    return index < 0 ? nullptr : GetEntry(index);
}

int CFavouritesCollection::IndexOf(const QString& strFolder, const QString& strTitle) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const CMemoryChannel* entry = GetAt(i);
        if (entry->GetFolder() == strFolder && entry->GetTitle() == strTitle)
            return i;
    }
    return -1;
}

CFavouriteEntry* CFavouritesCollection::AddOrUpdate(const QString& strFolder, const QString& strTitle, bool bReplace,
                                                    uint32_t nHz, uint8_t nMode, const QString& strSettings)
{
    CFavouriteEntry* entry = bReplace ? Find(strFolder, strTitle) : nullptr;
    if (!entry) {
        auto fresh = std::make_unique<CFavouriteEntry>();
        fresh->SetFolder(strFolder);
        fresh->SetTitle(strTitle);
        entry = Add(std::move(fresh));
    }
    // A favourite's values come from the caller (a dialog or another file),
    // never from the radio, so they are stored whether the CAT port is open
    // or not.
    entry->Clear();
    entry->MarkAsStoredRecord();
    entry->SetMode(uint8_t(nMode & 0x0F));
    entry->SetRepeaterSettings(strSettings);
    entry->SetRxFrequency(nHz);
    return entry;
}

CFavouriteEntry* CFavouritesCollection::AddFromRecord(const CMemoryChannel& source, const QString& strFolder,
                                                      const QString& strTitle)
{
    auto entry = std::make_unique<CFavouriteEntry>();
    entry->SetFolder(strFolder);
    entry->SetTitle(strTitle);
    entry->SetRepeaterSettings(source.GetRepeaterSettings());
    entry->SetMode(source.GetMode());
    entry->SetRxFrequency(source.GetRxFrequency());
    return Add(std::move(entry));
}

int CFavouritesCollection::Duplicate(int nIndex, const QString& strFolder, const QString& strTitle)
{
    const CMemoryChannel* source = GetAt(nIndex);
    if (!source)
        return -1;
    AddFromRecord(*source, strFolder, strTitle);
    return GetCount() - 1;
}

void CFavouritesCollection::Remove(const QString& strFolder, const QString& strTitle)
{
    const int index = IndexOf(strFolder, strTitle);
    if (index >= 0)
        RemoveAt(index);
}

void CFavouritesCollection::RebuildFrequencyMap()
{
    m_frequencyMap.clear();
    for (int i = 0; i < GetCount(); ++i) {
        const CMemoryChannel* entry = GetAt(i);
        auto it = m_frequencyMap.find(entry->GetRxFrequency());
        if (it == m_frequencyMap.end())
            m_frequencyMap.insert(entry->GetRxFrequency(), entry->GetTitle());
        else
            it.value() += QStringLiteral(" / ") + entry->GetTitle();
    }
}

bool CFavouritesCollection::LookupFrequency(uint32_t nHz, QString& strTitles) const
{
    const auto it = m_frequencyMap.constFind(nHz);
    if (it == m_frequencyMap.constEnd())
        return false;
    strTitles = it.value();
    return true;
}
