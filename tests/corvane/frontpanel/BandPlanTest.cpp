#include "corvane/core/Settings.h"
#include "corvane/frontpanel/BandPlan.h"

#include <gtest/gtest.h>

namespace {
QStringList titles(const CBandPlan& plan)
{
    QStringList t;
    for (int i = 0; i < plan.GetCount(); ++i)
        t << plan.GetEntry(i)->GetTitle();
    return t;
}
} // namespace

TEST(BandPlan, StandardSetsFollowTheBandPlanOptions)
{
    CSettings s;
    CBandPlan plan;
    plan.BuildStandard(0, s);
    EXPECT_EQ(plan.GetTitle(), "160m - 10m");
    EXPECT_EQ(titles(plan), QStringList({"10m", "12m", "15m", "17m", "20m", "30m", "40m", "80m", "160m"}));
    EXPECT_EQ(plan.GetEntry(6)->GetFrom(), 7000000u);
    EXPECT_EQ(plan.GetEntry(6)->GetTo(), 7100000u);
    EXPECT_EQ(plan.GetEntry(7)->GetTo(), 3800000u);

    s.m_eBand6M = 5;
    s.m_eBand2M = 7;
    s.m_eBand70CM = 9;
    plan.BuildStandard(1, s);
    ASSERT_EQ(plan.GetCount(), 12);
    EXPECT_EQ(titles(plan).mid(0, 3), QStringList({"70cm", "2m", "6m"}));
    EXPECT_EQ(plan.GetEntry(0)->GetFrom(), 420000000u);
    EXPECT_EQ(plan.GetEntry(0)->GetTo(), 450000000u);
    EXPECT_EQ(plan.GetEntry(1)->GetTo(), 148000000u);
    EXPECT_EQ(plan.GetEntry(2)->GetTo(), 54000000u);
    EXPECT_EQ(plan.GetEntry(11)->GetTitle(), "160m");

    // An out-of-table 6 m choice drops 6 m from set 1 but not from set 2.
    s.m_eBand6M = 11;
    s.m_eBand70CM = 10;
    plan.BuildStandard(1, s);
    EXPECT_FALSE(titles(plan).contains("6m"));
    plan.BuildStandard(2, s);
    ASSERT_GE(plan.GetCount(), 1);
    int twoMetre = 0;
    int seventy = 0;
    bool sixMetreWide = false;
    for (int i = 0; i < plan.GetCount(); ++i) {
        const CBandPlanEntry* e = plan.GetEntry(i);
        twoMetre += e->GetTitle() == "2m" && e->GetTo() - e->GetFrom() == 1000000u;
        seventy += e->GetTitle() == "70cm";
        sixMetreWide |= e->GetTitle() == "6m" && e->GetTo() == 54000000u;
    }
    EXPECT_EQ(twoMetre, 4);
    EXPECT_EQ(seventy, 1);
    EXPECT_TRUE(sixMetreWide);

    plan.BuildStandard(4, s);
    EXPECT_EQ(plan.GetTitle(), "Options");
    EXPECT_EQ(titles(plan), QStringList({"160m", "80m", "40m"}));
    plan.BuildStandard(3, s);
    EXPECT_EQ(plan.GetCount(), 10);
    EXPECT_EQ(plan.GetEntry(0)->GetFrom(), 40000000u);

    plan.BuildStandard(5, s);
    EXPECT_EQ(plan.GetCount(), 0);
    EXPECT_TRUE(plan.GetTitle().isEmpty());
    EXPECT_TRUE(GetStandardSetName(4).isEmpty());
    EXPECT_EQ(GetStandardSetName(2), "VHF - UHF");
}

TEST(BandPlan, AddBandOrdersEdgesAndSkipsDisabled)
{
    CBandPlan plan;
    CBandPlanEntry* e = plan.AddBand("40m", 7100000, 7000000, 1, 1);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetFrom(), 7000000u);
    EXPECT_EQ(e->GetTo(), 7100000u);
    EXPECT_EQ(plan.AddBand("x", 1, 2, 0, 1), nullptr);
    EXPECT_EQ(plan.GetCount(), 1);

    e->AddMark(QPoint(10, 10), QPoint(10, 20), 7050000);
    e->SetVisible(1);
    EXPECT_EQ(e->HitTest(QPoint(9, 9)), 7050000u);
    EXPECT_EQ(e->HitTest(QPoint(11, 21)), 7050000u);
    EXPECT_EQ(e->HitTest(QPoint(12, 15)), 0u);

    CBandPlan copy(plan);
    EXPECT_EQ(copy.GetEntry(0)->GetMarks().size(), 0u);
    EXPECT_EQ(copy.GetEntry(0)->GetVisible(), 0);
    EXPECT_EQ(copy.GetEntry(0)->GetTitle(), "40m");
}
