#include "shared/ui/AmateurBands.h"

#include <gtest/gtest.h>

TEST(AmateurBands, BandTable)
{
    using Plan = CAmateurBands::Plan;
    auto plan = [](int b80, int b40, int b6, int b2, int b70) { return Plan{b80, b40, b6, b2, b70}; };
    const Plan standard;
    struct Case {
        uint32_t hz;
        Plan plan;
        bool in;
    };
    const Case cases[] = {
        {0, standard, false},
        {1800000, standard, true},
        {1799999, standard, false},
        {14350000, standard, true},   // upper edge inclusive
        {14350010, standard, false},
        {3900000, standard, false},
        {3900000, plan(1, 2, 4, 6, 8), true},
        {7200000, standard, false},
        {7200000, plan(0, 3, 4, 6, 8), true},
        {51000000, standard, true},
        {53000000, standard, false},
        {53000000, plan(0, 2, 5, 6, 8), true},
        {51000000, plan(0, 2, 3, 6, 8), false}, // no 6 m row enabled
        {147000000, standard, false},
        {147000000, plan(0, 2, 4, 7, 8), true},
        {435000000, plan(0, 2, 4, 6, 8), true},
        {435000000, plan(0, 2, 4, 6, 9), true},
        {435000000, plan(0, 2, 4, 6, 10), true},
        {425000000, plan(0, 2, 4, 6, 8), false},
        {425000000, plan(0, 2, 4, 6, 9), true},
        {425000000, plan(0, 2, 4, 6, 10), false},
        {29700000, standard, true},
        {4294967295u, standard, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CAmateurBands(c.plan).IsInAmateurBand(c.hz), c.in) << c.hz;
    EXPECT_EQ(CAmateurBands::BuildTable(standard).size(), 18);
}

TEST(AmateurBands, PlanComesFromTheOptions)
{
    EXPECT_FALSE(CAmateurBands().IsInAmateurBand(3900000));
    CAmateurBands::SetPlanSource([] { return CAmateurBands::Plan{1, 2, 4, 6, 8}; });
    EXPECT_TRUE(CAmateurBands().IsInAmateurBand(3900000));
    CAmateurBands::SetPlanSource({});
    EXPECT_FALSE(CAmateurBands().IsInAmateurBand(3900000));
}
