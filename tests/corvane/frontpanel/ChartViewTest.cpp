// The S-meter chart: the time axis, the sample store with its thinning, the
// erase, the GMT shift and what reaches the chart component.
#include "corvane/frontpanel/ChartView.h"
#include "corvane/frontpanel/SMeterChartSettings.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class Chart : public ::testing::Test {
protected:
    void make(bool gmt = false)
    {
        GetSMeterChartSettings().Exchange(CSMeterChartSettings::kDefaults);
        GetSMeterChartSettings().m_bGMT = gmt;
        view = std::make_unique<CChartView>();
        view->SetClock([this] { return now; });
        view->resize(400, 200);
        ASSERT_TRUE(view->Create());
        view->CreateDataSet();
    }
    int64_t now = 1700000000;
    std::unique_ptr<CChartView> view;
};
} // namespace

TEST_F(Chart, TimeAxisEndsOnTheNextWholeMinute)
{
    make();
    const double span = GetSMeterChartSettings().m_nTimeScale;
    EXPECT_EQ(view->TimeSpan(), 1800);
    now += 12 * 60 + 30;
    view->UpdateTimeAxis();
    EXPECT_EQ(view->Chart().DoubleValue(CChart2D::XMax), 780.0);
    EXPECT_EQ(view->Chart().DoubleValue(CChart2D::XMin), 780.0 - span);
    now += 30;  // exactly 13 minutes: on to the next minute
    view->UpdateTimeAxis();
    EXPECT_EQ(view->Chart().DoubleValue(CChart2D::XMax), 840.0);
    EXPECT_EQ(view->Chart().DoubleValue(CChart2D::YMax), 15.0);
    EXPECT_EQ(view->Chart().Value(CChart2D::TimeBase), int32_t(view->CreationTime()));
}

TEST_F(Chart, TheTenThousandthPointDropsTheOldestTenth)
{
    make();
    CChartData* data = view->Data();
    ASSERT_EQ(data->GetNPoints(0), 10000);
    EXPECT_EQ(data->GetLastPoint(0), 0);
    for (int i = 1; i <= 9999; ++i) {
        now += 1;
        view->AddSample(uint8_t(i % 16));
    }
    EXPECT_EQ(data->GetLastPoint(0), 9999);
    const double xKept = data->X(0, 1000);
    now += 1;
    view->AddSample(7);
    EXPECT_EQ(data->GetLastPoint(0), 9000);
    EXPECT_EQ(data->X(0, 0), xKept);
    EXPECT_EQ(data->Y(0, 9000), 7.0);
    EXPECT_EQ(data->X(0, 9000), 10000.0);
}

TEST_F(Chart, EraseStartsAgainAtTheSameOrigin)
{
    make();
    now += 100;
    view->AddSample(9);
    const int64_t created = view->CreationTime();
    view->OnCommand(32918);
    EXPECT_EQ(view->Data()->GetLastPoint(0), 0);
    EXPECT_EQ(view->Data()->X(0, 0), 0.0);
    EXPECT_EQ(view->CreationTime(), created);
    now += 5;
    view->AddSample(3);
    EXPECT_EQ(view->Data()->X(0, 1), 105.0);
}

TEST_F(Chart, GmtShiftsSamplesAndAxisByTheUtcOffset)
{
    make(true);
    EXPECT_TRUE(view->IsGmt());
    const int offset = view->UtcOffset();
    EXPECT_EQ(offset, CChartView::UtcOffsetAt(now));
    now += 60;
    view->AddSample(5);
    EXPECT_EQ(view->Data()->X(0, 1), double(60 + offset));
}

TEST_F(Chart, OptionsAndLabelsReachTheChart)
{
    make();
    CChart2D& c = view->Chart();
    EXPECT_EQ(c.ValueLabels().value(1.0), "S1 ");
    EXPECT_EQ(c.ValueLabels().value(13.0), "+40 ");
    EXPECT_EQ(c.ValueLabels().value(7.0), " ");
    EXPECT_EQ(c.ValueLabels().value(2.0), "");
    EXPECT_EQ(c.PropString(CChart2D::SetName), "S-Meter");
    EXPECT_EQ(c.Value(CChart2D::ChartType), 5);  // area by default
    CSMeterChartSettings& s = GetSMeterChartSettings();
    s.m_nPlotType = 3;
    s.m_colPlotColour = 0x00FF00;
    s.m_colBackground = 0x123456;
    s.m_nTimeScale = 600;
    s.m_strAxisFont = "Arial,10,Bold";
    c.ClearCallLog();
    view->OnOptions();
    EXPECT_EQ(c.Value(CChart2D::ChartType), 1);
    EXPECT_EQ(c.GetDataStyle(0)[2], 0x00FF00);
    EXPECT_EQ(c.GetDataStyle(0)[3], 3);
    EXPECT_EQ(COLORREF(c.Value(CChart2D::Background)), 0x123456u);
    EXPECT_EQ(view->TimeSpan(), 600);
    EXPECT_EQ(c.PropString(CChart2D::AxisFont), "Arial,10,Bold");
    // Every batch of changes ends with the repaint switch off, then on.
    const QStringList log = c.CallLog();
    const int off = int(log.lastIndexOf("set 111 0"));
    ASSERT_GE(off, 0);
    EXPECT_EQ(log.last(), "set 111 1");
    EXPECT_GT(c.RedrawCount(), 0);
    s.Exchange(CSMeterChartSettings::kDefaults);
}

TEST(ChartSettings, RegistryRoundTrip)
{
    CSMeterChartSettings a;
    a.m_nSampleRate = 5;
    a.m_strAxisFont = "Courier New,12";
    a.Save();
    CSMeterChartSettings b;
    b.Load();
    EXPECT_EQ(b.m_nSampleRate, 5);
    EXPECT_EQ(b.m_strAxisFont, "Courier New,12");
    EXPECT_EQ(b.m_colBackground, 0xDDCCBBu);
}

TEST(ChartPrint, PageScaleAndCentre)
{
    // A wide page for a square chart: full height, centred across.
    EXPECT_EQ(CChartView::PrintRect(QSize(1000, 500), QSize(200, 200)), QRect(250, 0, 500, 500));
    // A tall page: full width, centred down.
    EXPECT_EQ(CChartView::PrintRect(QSize(500, 1000), QSize(400, 200)), QRect(0, 375, 500, 250));
}

TEST_F(Chart, PrintsOnePageToAFile)
{
    make();
    now += 30;
    view->AddSample(9);
    view->Refresh();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("chart.pdf"));
    view->Print(printer);
    EXPECT_GT(QFileInfo(dir.filePath("chart.pdf")).size(), 1000);
}
