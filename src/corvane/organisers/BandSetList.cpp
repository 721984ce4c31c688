#include "corvane/organisers/BandSetList.h"

#include "corvane/frontpanel/BandPlan.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// Record codes of the file.
enum : unsigned {
    kSetEnabled = 100,
    kSetTitle = 101,
    kBandEnabled = 200,
    kBandTitle = 201,
    kBandFrom = 202,
    kBandTo = 203,
};
const QString kEndOfBand = QStringLiteral("@B@");
const QString kEndOfSet = QStringLiteral("@D@");

QString& shippedFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void CBandSet::AddBand(int nEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle)
{
    m_bands.push_back(std::make_unique<CBandEntry>(nEnabled, nFrom, nTo, strTitle));
}

void CBandSet::CopyFrom(const CBandSet& other)
{
    if (&other == this)
        return;
    RemoveAll();
    m_nEnabled = other.m_nEnabled;
    m_strTitle = other.m_strTitle;
    for (const auto& band : other.m_bands)
        m_bands.push_back(std::make_unique<CBandEntry>(*band));
}

void CBandSet::BuildPlan(CBandPlan& plan) const
{
    plan.RemoveAll();
    plan.SetTitle(m_strTitle);
    for (const auto& band : m_bands)
        if (band->GetEnabled())
            plan.AddBand(band->GetTitle(), band->GetFrom(), band->GetTo(), 1, 1);
}

void CBandSetList::AddCopy(const CBandSet& set)
{
    m_sets.push_back(std::make_unique<CBandSet>(set));
}

void CBandSetList::InsertCopyAt(int n, const CBandSet& set)
{
    auto copy = std::make_unique<CBandSet>(set);
    if (n < 0 || n >= GetCount())
        m_sets.push_back(std::move(copy));
    else
        m_sets.insert(m_sets.begin() + n, std::move(copy));
}

void CBandSetList::ReplaceAt(int n, const CBandSet& set)
{
    if (n >= 0 && n < GetCount())
        m_sets[size_t(n)] = std::make_unique<CBandSet>(set);
}

void CBandSetList::RemoveAt(int n)
{
    if (n >= 0 && n < GetCount())
        m_sets.erase(m_sets.begin() + n);
}

void CBandSetList::CopyFrom(const CBandSetList& other)
{
    if (&other == this)
        return;
    RemoveAll();
    for (const auto& set : other.m_sets)
        AddCopy(*set);
}

void CBandSetList::SortByTitle()
{
    const int n = GetCount();
    if (n < 2)
        return;
    // Bubble sort: neighbours swap only when strictly out of order, so
    // equal titles keep their order.
    for (int pass = 0; pass < n - 1; ++pass) {
        bool swapped = false;
        for (int i = 0; i < n - 1 - pass; ++i) {
            if (QString::compare(m_sets[size_t(i)]->GetTitle(), m_sets[size_t(i + 1)]->GetTitle(),
                                 Qt::CaseSensitive) > 0) {
                std::swap(m_sets[size_t(i)], m_sets[size_t(i + 1)]);
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
}

QStringList CBandSetList::BuildLines() const
{
    QStringList lines;
    auto number = [](unsigned code, uint32_t value) { return TaggedLines::ValueLine(code, QString::number(value)); };
    for (const auto& set : m_sets) {
        lines << number(kSetEnabled, set->GetEnabled() ? 1 : 0);
        lines << TaggedLines::ValueLine(kSetTitle, set->GetTitle());
        lines << QStringLiteral("#");
        for (int b = 0; b < set->GetBandCount(); ++b) {
            const CBandEntry* band = set->GetBand(b);
            lines << number(kBandEnabled, band->GetEnabled() ? 1 : 0);
            lines << TaggedLines::ValueLine(kBandTitle, band->GetTitle());
            lines << number(kBandFrom, band->GetFrom());
            lines << number(kBandTo, band->GetTo());
            lines << kEndOfBand << QStringLiteral("#");
        }
        lines << kEndOfSet << QStringLiteral("#");
    }
    return lines;
}

void CBandSetList::ParseLines(const QStringList& lines)
{
    RemoveAll();
    CBandEntry band;
    CBandSet set;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line == kEndOfBand) {
            set.AddBand(band.GetEnabled(), band.GetFrom(), band.GetTo(), band.GetTitle());
            band.Reset();
            continue;
        }
        if (line == kEndOfSet) {
            AddCopy(set);
            // The title and flag carry over to a following set that does
            // not name its own.
            set.RemoveAll();
            continue;
        }
        const unsigned code = TaggedLines::ParseNumber(line.left(3));
        const QString value = line.mid(4);
        switch (code) {
        case kSetEnabled: set.SetEnabled(TaggedLines::ParseNumber(value) != 0 ? 1 : 0); break;
        case kSetTitle: set.SetTitle(value); break;
        case kBandEnabled: band.SetEnabled(TaggedLines::ParseNumber(value) != 0 ? 1 : 0); break;
        case kBandTitle: band.SetTitle(value); break;
        case kBandFrom: band.SetFrom(TaggedLines::ParseNumber(value)); break;
        case kBandTo: band.SetTo(TaggedLines::ParseNumber(value)); break;
        default: break;
        }
    }
    SortByTitle();
}

void CBandSetList::Load(const QString& strPath)
{
    RemoveAll();
    CTextFile file(strPath, true);
    if (!file.Exists())
        return;
    QStringList lines;
    file.ReadLines(lines);
    if (!file.IsOk())
        return;
    ParseLines(lines);
}

bool CBandSetList::Save(int nKind, const QString& strPath) const
{
    QStringList lines = BuildLines();
    CTextFile::AddHeader(lines, nKind);
    CTextFile file(strPath, false);
    file.WriteLines(lines, false);
    return file.IsOk();
}

void CBandSetList::LoadFile(int nKind)
{
    Load(CTextFile(nKind).GetPath());
}

bool CBandSetList::SaveFile(int nKind) const
{
    return Save(nKind, CTextFile(nKind).GetPath());
}

void CBandSetList::SetShippedFolder(const QString& strFolder)
{
    shippedFolder() = strFolder;
}

QString CBandSetList::DefaultsPath()
{
    const QString own = CTextFile(kDefaultsKind).GetPath();
    if (QFileInfo::exists(own))
        return own;
    const QString folder =
        shippedFolder().isEmpty() && QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                                   : shippedFolder();
    if (!folder.isEmpty()) {
        const QString shipped = QDir(folder).filePath(CTextFile::FileName(kDefaultsKind));
        if (QFileInfo::exists(shipped))
            return shipped;
    }
    return own;
}

bool CBandSetList::LoadDefaults(QWidget* pOwner)
{
    const QString path = DefaultsPath();
    CTextFile file(path, true);
    QStringList lines;
    if (file.Exists())
        file.ReadLines(lines);
    if (!file.IsOk()) {
        platform::messageBox(pOwner ? pOwner : GetMainWindow(), QStringLiteral("Unable to open ") + path,
                             QStringLiteral("Defaults"), platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    ParseLines(lines);
    return true;
}
