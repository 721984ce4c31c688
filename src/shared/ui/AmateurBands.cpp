#include "shared/ui/AmateurBands.h"

#include <QList>

namespace {
std::function<CAmateurBands::Plan()>& PlanSource()
{
    static std::function<CAmateurBands::Plan()> source;
    return source;
}
} // namespace

CAmateurBands::CAmateurBands() : m_plan(PlanSource() ? PlanSource()() : Plan()) {}

CAmateurBands::CAmateurBands(const Plan& plan) : m_plan(plan) {}

CAmateurBands::~CAmateurBands() = default;

void CAmateurBands::SetPlanSource(std::function<Plan()> source) { PlanSource() = std::move(source); }

QList<CAmateurBands::Band> CAmateurBands::BuildTable(const Plan& plan)
{
    return {
        {"160m", 1800000, 2000000, true},
        {"80m", 3500000, 3800000, plan.m_eBand80M == 0},
        {"80m", 3500000, 4000000, plan.m_eBand80M != 0},
        {"40m", 7000000, 7100000, plan.m_eBand40M == 2},
        {"40m", 7000000, 7300000, plan.m_eBand40M != 2},
        {"30m", 10100000, 10150000, true},
        {"20m", 14000000, 14350000, true},
        {"17m", 18068000, 18168000, true},
        {"15m", 21000000, 21450000, true},
        {"12m", 24890000, 24990000, true},
        {"10m", 28000000, 29700000, true},
        {"6m", 50000000, 52000000, plan.m_eBand6M == 4},
        {"6m", 50000000, 54000000, plan.m_eBand6M == 5},
        {"2m", 144000000, 146000000, plan.m_eBand2M == 6},
        {"2m", 144000000, 148000000, plan.m_eBand2M == 7},
        {"70cm", 430000000, 440000000, plan.m_eBand70CM == 8},
        {"70cm", 420000000, 450000000, plan.m_eBand70CM == 9},
        {"70cm", 432000000, 438000000, plan.m_eBand70CM == 10},
    };
}

bool CAmateurBands::IsInAmateurBand(uint32_t nFrequency) const
{
    for (const Band& band : BuildTable(m_plan))
        if (band.bEnabled && band.nLow <= nFrequency && nFrequency <= band.nHigh)
            return true;
    return false;
}
