#include "corvane/frontpanel/BandPlan.h"

#include "corvane/core/Settings.h"

#include <algorithm>

void CBandPlanEntry::Reset()
{
    m_bVisible = m_bEnabled = m_bShown = 0;
    m_nFrom = m_nTo = 0xFFFFFFFF;
    m_strTitle.clear();
    ClearRects();
    RemoveMarks();
}

void CBandPlanEntry::CopyFrom(const CBandPlanEntry& other)
{
    Reset();
    m_bVisible = other.m_bVisible;
    m_bEnabled = other.m_bEnabled;
    m_bShown = other.m_bShown;
    m_strTitle = other.m_strTitle;
    m_nFrom = other.m_nFrom;
    m_nTo = other.m_nTo;
    m_rcLabel = other.m_rcLabel;
    m_rcBar = other.m_rcBar;
    m_rcClick = other.m_rcClick;
}

void CBandPlanEntry::ClearRects()
{
    m_rcLabel = m_rcBar = m_rcClick = RECT{};
}

void CBandPlanEntry::AddMark(QPoint topLeft, QPoint bottomRight, uint32_t nFrequency)
{
    CBandRect mark;
    mark.rect = RECT{topLeft.x() - 1, topLeft.y() - 1, bottomRight.x() + 2, bottomRight.y() + 2};
    mark.nFrequency = nFrequency;
    m_marks.push_back(mark);
}

uint32_t CBandPlanEntry::HitTest(QPoint p) const
{
    for (const CBandRect& m : m_marks) {
        if (p.x() >= m.rect.left && p.x() < m.rect.right && p.y() >= m.rect.top && p.y() < m.rect.bottom)
            return m.nFrequency;
    }
    return 0;
}

CBandPlanEntry* CBandPlan::AddBand(const QString& strTitle, uint32_t a, uint32_t b, int bEnabled, int bShown)
{
    if (!bEnabled)
        return nullptr;
    auto entry = std::make_unique<CBandPlanEntry>();
    entry->SetTitle(strTitle);
    entry->SetFrom(std::min(a, b));
    entry->SetTo(std::max(a, b));
    entry->SetEnabled(bEnabled);
    entry->SetShown(bShown);
    m_entries.push_back(std::move(entry));
    return m_entries.back().get();
}

void CBandPlan::RemoveAll()
{
    m_strTitle.clear();
    m_entries.clear();
}

void CBandPlan::CopyFrom(const CBandPlan& other)
{
    if (&other == this)
        return;
    RemoveAll();
    m_strTitle = other.m_strTitle;
    for (const auto& e : other.m_entries)
        AddBand(e->GetTitle(), e->GetFrom(), e->GetTo(), e->GetEnabled(), e->GetShown());
}

QString GetStandardSetName(int n)
{
    switch (n) {
    case 0: return QStringLiteral("160m - 10m");
    case 1: return QStringLiteral("160m - 70cm");
    case 2: return QStringLiteral("VHF - UHF");
    case 3: return QStringLiteral("Shortwave");
    default: return QString();
    }
}

void CBandPlan::BuildStandard(int n)
{
    BuildStandard(n, GetSettings());
}

void CBandPlan::BuildStandard(int n, const CSettings& s)
{
    RemoveAll();
    if (n < 0 || n > 4)
        return;
    struct Row {
        const char* title;
        uint32_t from;
        uint32_t to;
        bool enabled;
    };
    std::vector<Row> rows;
    auto hf = [&] {
        rows.insert(rows.end(), {
            {"160m", 1800000, 2000000, true},
            {"80m", 3500000, 3800000, s.m_eBand80M == 0},
            {"80m", 3500000, 4000000, s.m_eBand80M != 0},
            {"40m", 7000000, 7100000, s.m_eBand40M == 2},
            {"40m", 7000000, 7300000, s.m_eBand40M != 2},
            {"30m", 10100000, 10150000, true},
            {"20m", 14000000, 14350000, true},
            {"17m", 18068000, 18168000, true},
            {"15m", 21000000, 21450000, true},
            {"12m", 24890000, 24990000, true},
            {"10m", 28000000, 29700000, true},
        });
    };
    switch (n) {
    case 0:
        hf();
        break;
    case 1:
        hf();
        rows.insert(rows.end(), {
            {"6m", 50000000, 52000000, s.m_eBand6M == 4},
            {"6m", 50000000, 54000000, s.m_eBand6M == 5},
            {"2m", 144000000, 146000000, s.m_eBand2M == 6},
            {"2m", 144000000, 148000000, s.m_eBand2M == 7},
            {"70cm", 430000000, 440000000, s.m_eBand70CM == 8},
            {"70cm", 420000000, 450000000, s.m_eBand70CM == 9},
            {"70cm", 432000000, 438000000, s.m_eBand70CM == 10},
        });
        break;
    case 2: {
        const bool b2m146 = s.m_eBand2M == 6;
        rows = {
            {"6m", 50000000, 52000000, s.m_eBand6M == 4},
            {"6m", 50000000, 54000000, s.m_eBand6M != 4},
            {"FM", 88000000, 108000000, true},
            {"Air", 108000000, 140000000, true},
            {"2m", 144000000, 144500000, b2m146},
            {"2m", 144500000, 145000000, b2m146},
            {"2m", 145000000, 145500000, b2m146},
            {"2m", 145500000, 146000000, b2m146},
            {"2m", 144000000, 145000000, !b2m146},
            {"2m", 145000000, 146000000, !b2m146},
            {"2m", 146000000, 147000000, !b2m146},
            {"2m", 147000000, 148000000, !b2m146},
            {"70cm", 430000000, 435000000, s.m_eBand70CM == 8},
            {"70cm", 435000000, 440000000, s.m_eBand70CM == 8},
            {"70cm", 420000000, 430000000, s.m_eBand70CM == 9},
            {"70cm", 430000000, 440000000, s.m_eBand70CM == 9},
            {"70cm", 440000000, 450000000, s.m_eBand70CM == 9},
            {"70cm", 432000000, 438000000, s.m_eBand70CM == 10},
        };
        break;
    }
    case 3: {
        static const uint32_t edges[] = {100000,   500000,   2000000,  5000000,  10000000, 15000000,
                                         20000000, 25000000, 30000000, 40000000, 50000000};
        for (int i = 0; i < 10; ++i)
            rows.push_back({"", edges[i], edges[i + 1], true});
        break;
    }
    case 4:
        rows = {{"160m", 1800000, 2000000, true}, {"80m", 3500000, 3800000, true}, {"40m", 7000000, 7100000, true}};
        break;
    }
    static const char* const titles[] = {"160m - 10m", "160m - 70cm", "VHF - UHF", "Shortwave", "Options"};
    m_strTitle = QString::fromLatin1(titles[n]);
    if (n == 4) {
        for (const Row& r : rows)
            AddBand(QString::fromLatin1(r.title), r.from, r.to, r.enabled ? 1 : 0, 1);
    } else {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            AddBand(QString::fromLatin1(it->title), it->from, it->to, it->enabled ? 1 : 0, 1);
    }
}
