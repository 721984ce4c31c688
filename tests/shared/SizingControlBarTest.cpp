#include "shared/sizingbar/SizingControlBar.h"
#include "shared/sizingbar/SizingControlBarG.h"

#include "platform/SettingsStore.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {

struct FrameFixture : ::testing::Test {
    QMainWindow frame;
    void SetUp() override
    {
        frame.resize(640, 480);
        frame.setCentralWidget(new QLabel(QStringLiteral("front panel")));
    }
    void showFrame()
    {
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
};

TEST_F(FrameFixture, SizesRoundTripThroughTheProfile)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Navigator"), &frame, QSize(180, 260), true, 301));
    frame.addDockWidget(Qt::LeftDockWidgetArea, &bar);
    bar.m_sizeHorz = QSize(400, 90);
    bar.m_sizeVert = QSize(150, 300);
    bar.m_sizeFloat = QSize(220, 240);
    bar.StoreSizes(QStringLiteral("Corvane"));

    // The section and value names are the stored layout.
    const QString section = QStringLiteral("Corvane-SCBar-301");
    EXPECT_EQ(CSizingControlBar::ProfileSection(QStringLiteral("Corvane"), 301), section);
    const std::pair<const char*, int> stored[] = {{"sizeHorzCX", 400}, {"sizeHorzCY", 90},  {"sizeVertCX", 150},
                                                  {"sizeVertCY", 300}, {"sizeFloatCX", 220}, {"sizeFloatCY", 240}};
    for (const auto& [name, value] : stored)
        EXPECT_EQ(SettingsStore::value(section, QString::fromLatin1(name)).toInt(), value) << name;

    CSizingControlBarG restored;
    ASSERT_TRUE(restored.Create(QStringLiteral("Navigator"), &frame, 301));
    restored.RestoreSizes(QStringLiteral("Corvane"));
    EXPECT_EQ(restored.m_sizeHorz, QSize(400, 90));
    EXPECT_EQ(restored.m_sizeVert, QSize(150, 300));
    EXPECT_EQ(restored.m_sizeFloat, QSize(220, 240));
}

TEST_F(FrameFixture, RestoringKeepsMinimumsAndMissingValues)
{
    CSizingControlBar bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 7));
    const QString section = CSizingControlBar::ProfileSection(QStringLiteral("P"), 7);
    SettingsStore::setValue(section, QStringLiteral("sizeHorzCX"), 3);
    SettingsStore::setValue(section, QStringLiteral("sizeHorzCY"), -50);
    SettingsStore::setValue(section, QStringLiteral("sizeFloatCX"), 10);
    SettingsStore::setValue(section, QStringLiteral("sizeFloatCY"), QStringLiteral("garbage"));
    bar.m_sizeVert = QSize(123, 234);
    bar.RestoreSizes(QStringLiteral("P"));
    EXPECT_EQ(bar.m_sizeHorz, QSize(33, 32));    // below the minimum: the minimum
    EXPECT_EQ(bar.m_sizeVert, QSize(123, 234));  // missing: unchanged
    EXPECT_EQ(bar.m_sizeFloat, QSize(37, 200));  // unreadable: unchanged
}

TEST_F(FrameFixture, AllBarsOfAFrameAreStoredAndRestored)
{
    CSizingControlBarG a, b;
    ASSERT_TRUE(a.Create(QStringLiteral("A"), &frame, 1));
    ASSERT_TRUE(b.Create(QStringLiteral("B"), &frame, 2));
    a.m_sizeVert = QSize(111, 222);
    b.m_sizeVert = QSize(99, 88);
    CSizingControlBar::StoreAllSizes(&frame, QStringLiteral("All"));
    a.m_sizeVert = b.m_sizeVert = QSize(50, 50);
    CSizingControlBar::RestoreAllSizes(&frame, QStringLiteral("All"));
    EXPECT_EQ(a.m_sizeVert, QSize(111, 222));
    EXPECT_EQ(b.m_sizeVert, QSize(99, 88));
}

TEST_F(FrameFixture, DockingSideStyleAndLayoutAnswers)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 5));
    bar.SetBarStyle(SZB_DRAW_EDGES | SZB_FIT_CHILD | SZB_LEFT_EDGE);
    EXPECT_EQ(bar.GetBarStyle(), SZB_DRAW_EDGES | SZB_FIT_CHILD);

    struct Case {
        Qt::DockWidgetArea area;
        unsigned id;
        bool horizontal;
        uint32_t edge;
    };
    const Case cases[] = {
        {Qt::TopDockWidgetArea, AFX_IDW_DOCKBAR_TOP, true, SZB_BOTTOM_EDGE},
        {Qt::BottomDockWidgetArea, AFX_IDW_DOCKBAR_BOTTOM, true, SZB_TOP_EDGE},
        {Qt::LeftDockWidgetArea, AFX_IDW_DOCKBAR_LEFT, false, SZB_RIGHT_EDGE},
        {Qt::RightDockWidgetArea, AFX_IDW_DOCKBAR_RIGHT, false, SZB_LEFT_EDGE},
    };
    for (const Case& c : cases) {
        frame.addDockWidget(c.area, &bar);
        EXPECT_EQ(bar.GetDockBarId(), c.id);
        EXPECT_EQ(bar.IsDockedHorizontally(), c.horizontal);
        EXPECT_EQ(bar.IsDockedVertically(), !c.horizontal);
        EXPECT_FALSE(bar.IsFloatingBar());
        EXPECT_EQ(bar.GetBarStyle() & SZB_EDGES, c.edge);
    }
    bar.setFloating(true);
    EXPECT_EQ(bar.GetDockBarId(), AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_TRUE(bar.IsFloatingBar());
    EXPECT_EQ(bar.GetBarStyle() & SZB_EDGES, 0u);

    bar.m_sizeHorz = QSize(300, 70);
    bar.m_sizeVert = QSize(20, 10);
    EXPECT_EQ(bar.CalcFixedLayout(true, true), QSize(32767, 70));
    EXPECT_EQ(bar.CalcFixedLayout(true, false), QSize(20, 32767));
    EXPECT_EQ(bar.CalcFixedLayout(false, false), QSize(33, 32)); // raised to the minimums
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_COMMIT), bar.m_sizeFloat);
    EXPECT_EQ(bar.CalcDynamicLayout(10, LM_LENGTHY).height(), 32);
}

TEST_F(FrameFixture, DockedSizeFollowsTheSideAndACloseRequestIsIgnored)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Navigator"), &frame, 102));
    bar.setWidget(new QLabel(QStringLiteral("groups")));
    bar.m_sizeVert = QSize(170, 300);
    frame.addDockWidget(Qt::LeftDockWidgetArea, &bar);
    showFrame();
    EXPECT_EQ(bar.width(), 170);

    // A stray close (Escape in a child edit, say) leaves a docked bar open.
    bar.close();
    EXPECT_TRUE(bar.isVisible());
}

// A main window made small squeezes its bars; grown again, it gives each
// docked bar back the size the bar keeps for its side, on every side, and
// the squeeze is not taken for the user's sizing.
TEST_F(FrameFixture, ABarComesBackToItsSizeWhenTheWindowGrowsAgain)
{
    struct Case {
        Qt::DockWidgetArea area;
        QSize kept;
    };
    const Case cases[] = {
        {Qt::LeftDockWidgetArea, QSize(230, 300)},
        {Qt::BottomDockWidgetArea, QSize(300, 180)},
    };
    frame.resize(900, 700);
    showFrame();
    for (const Case& c : cases) {
        CSizingControlBarG bar;
        ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 77));
        bar.setWidget(new QLabel(QStringLiteral("contents")));
        bar.m_sizeVert = bar.m_sizeHorz = c.kept;
        frame.addDockWidget(c.area, &bar);
        bar.show();
        const bool vertical = c.area == Qt::LeftDockWidgetArea;
        auto extent = [&] { return vertical ? bar.width() : bar.height(); };
        const int kept = vertical ? c.kept.width() : c.kept.height();
        ASSERT_TRUE(QTest::qWaitFor([&] { return extent() == kept; }, 2000)) << extent();

        frame.resize(120, 100);
        ASSERT_TRUE(QTest::qWaitFor([&] { return extent() < kept; }, 2000)) << "the small window squeezes the bar";
        EXPECT_EQ(vertical ? bar.m_sizeVert : bar.m_sizeHorz, c.kept);

        frame.resize(900, 700);
        EXPECT_TRUE(QTest::qWaitFor([&] { return extent() == kept; }, 2000)) << extent() << " of " << kept;
        EXPECT_EQ(bar.sizeHint(), c.kept);
        frame.removeDockWidget(&bar);
    }
}

// The size a bar keeps can be given (a stored layout); it applies at once.
TEST_F(FrameFixture, AGivenDockedSizeIsKeptAndApplied)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 78));
    bar.setWidget(new QLabel(QStringLiteral("contents")));
    frame.addDockWidget(Qt::LeftDockWidgetArea, &bar);
    frame.resize(900, 700);
    showFrame();
    bar.SetDockedSize(QSize(260, 400));
    EXPECT_EQ(bar.m_sizeVert, QSize(260, 400));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.width() == 260; }, 2000)) << bar.width();
    bar.SetDockedSize(QSize(5, 5));
    EXPECT_EQ(bar.GetDockedSize(), QSize(33, 32));  // not below the bar's minimum
}

TEST_F(FrameFixture, GripperBandAndCloseButtonFollowTheSide)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 9));
    bar.setWidget(new QLabel(QStringLiteral("contents")));
    frame.addDockWidget(Qt::TopDockWidgetArea, &bar);
    showFrame();
    QWidget* band = bar.GripperWidget();
    ASSERT_EQ(bar.titleBarWidget(), band);
    // Docked at the top: the band runs down the left side, the button at its top.
    EXPECT_EQ(band->width(), 12);
    EXPECT_GT(band->height(), band->width());
    EXPECT_EQ(band->geometry().left(), bar.rect().left() + band->geometry().left());
    EXPECT_LE(bar.CloseButton().GetRect().top(), 2);

    frame.addDockWidget(Qt::RightDockWidgetArea, &bar);
    QApplication::processEvents();
    EXPECT_EQ(band->height(), 12);
    EXPECT_GT(band->width(), band->height());
    EXPECT_EQ(bar.CloseButton().GetRect().right(), band->width() - 2);

    // Floating: no band, no close button of ours.
    bar.setFloating(true);
    EXPECT_FALSE(bar.ShowsGripper());
    EXPECT_EQ(bar.titleBarWidget(), nullptr);
    EXPECT_FALSE(band->isVisible());
}

TEST_F(FrameFixture, CloseButtonFeedbackAndAction)
{
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create(QStringLiteral("Bar"), &frame, 9));
    bar.setWidget(new QLabel(QStringLiteral("contents")));
    frame.addDockWidget(Qt::LeftDockWidgetArea, &bar);
    showFrame();
    QWidget* band = bar.GripperWidget();
    const QPoint onButton = bar.CloseButton().GetRect().center();
    const QPoint elsewhere(5, 6);

    QCursor::setPos(band->mapToGlobal(onButton));
    bar.OnUpdateCmdUI();
    EXPECT_TRUE(bar.CloseButton().m_bHot);
    EXPECT_FALSE(bar.CloseButton().m_bPushed);
    EXPECT_EQ(bar.NcHitTest(band->mapToGlobal(onButton)), HTCLOSE);
    EXPECT_EQ(bar.NcHitTest(band->mapToGlobal(elsewhere)), HTCLIENT);

    QCursor::setPos(band->mapToGlobal(elsewhere));
    bar.OnUpdateCmdUI();
    EXPECT_FALSE(bar.CloseButton().m_bHot);

    // Pushed and released elsewhere: the bar stays.
    QTest::mousePress(band, Qt::LeftButton, Qt::NoModifier, onButton);
    QCursor::setPos(band->mapToGlobal(onButton));
    bar.OnUpdateCmdUI();
    EXPECT_TRUE(bar.CloseButton().m_bPushed);
    QTest::mouseRelease(band, Qt::LeftButton, Qt::NoModifier, elsewhere);
    EXPECT_TRUE(bar.isVisible());

    // Released over the button: hidden, and the frame can show it again.
    QTest::mousePress(band, Qt::LeftButton, Qt::NoModifier, onButton);
    QTest::mouseRelease(band, Qt::LeftButton, Qt::NoModifier, onButton);
    EXPECT_FALSE(bar.isVisible());
    bar.show();
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(FrameFixture, CaptionBandColoursAndTitle)
{
    EXPECT_EQ(CSizingControlBarCF::ChooseCaptionFont({"DejaVu Sans", "Tahoma"}), QStringLiteral("Tahoma"));
    EXPECT_EQ(CSizingControlBarCF::ChooseCaptionFont({"DejaVu Sans"}), QStringLiteral("Arial"));

    CSizingControlBarCF bar;
    ASSERT_TRUE(bar.Create(QString(), &frame, 11));
    bar.setWidget(new QLabel(QStringLiteral("contents")));
    frame.addDockWidget(Qt::LeftDockWidgetArea, &bar);
    showFrame();
    QWidget* band = bar.GripperWidget();

    auto distinctColours = [&] {
        const QImage image = band->grab().toImage();
        QSet<QRgb> colours;
        for (int x = 2; x < band->width() - 20; ++x)
            colours.insert(image.pixel(x, 6));
        return colours.size();
    };
    CSizingControlBarCF::SetGradientCaptions(false);
    band->repaint();
    EXPECT_EQ(distinctColours(), 1);
    CSizingControlBarCF::SetGradientCaptions(true);
    band->repaint();
    EXPECT_GT(distinctColours(), 1);

    // A new title shows at once.
    const QImage before = band->grab().toImage();
    bar.setWindowTitle(QStringLiteral("Navigator"));
    QApplication::processEvents();
    EXPECT_NE(band->grab().toImage(), before);

    // Active while the focus is inside the bar.
    EXPECT_FALSE(bar.IsFocusInside());
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    bar.widget()->setFocusPolicy(Qt::StrongFocus);
    bar.widget()->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(bar.IsFocusInside());
}

} // namespace
