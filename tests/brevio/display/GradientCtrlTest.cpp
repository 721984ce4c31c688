// The gradient control: its geometry, and pegs selected, dragged, created,
// moved by key and removed with the mouse and the keyboard.
#include "brevio/display/GradientCtrl.h"
#include "brevio/display/GradientLayout.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Note {
    unsigned message;
    intptr_t wParam;
    intptr_t lParam;
    friend bool operator==(const Note&, const Note&) = default;
};

class GradientCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_ctrl.resize(110, 330);
        m_ctrl.GetGradient().SetRange(255);
        QObject::connect(&m_ctrl, &CGradientCtrl::notify, [this](unsigned m, intptr_t w, intptr_t l) {
            m_notes.push_back({m, w, l});
        });
        m_ctrl.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_ctrl));
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, at, m_ctrl.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&m_ctrl, &e);
    }
    QPoint PegPoint(int index)
    {
        const CGradientLayout layout = m_ctrl.Layout();
        const std::vector<int> columns = layout.PegColumns(m_ctrl.GetGradient());
        return QPoint(columns[size_t(index)] + 6, layout.RowOfPosition(m_ctrl.GetGradient().GetPeg(index).position) + 1);
    }
    CGradientCtrl m_ctrl;
    std::vector<Note> m_notes;
};

} // namespace

TEST(GradientLayout, MapsRowsPositionsAndEntries)
{
    const CGradientLayout layout(QSize(110, 330), -1, 255);
    EXPECT_EQ(layout.StripRight(), 87);
    EXPECT_EQ(CGradientLayout(QSize(110, 330), 60, 255).StripRight(), 37);
    ASSERT_TRUE(layout.HasStrip());
    EXPECT_EQ(layout.EntryOfRow(5), 0);
    EXPECT_EQ(layout.EntryOfRow(324), 255);
    EXPECT_EQ(layout.RowOfPosition(0), 5);
    EXPECT_EQ(layout.RowOfPosition(255), 325);
    EXPECT_EQ(layout.PositionOfRow(325), 255);
    EXPECT_EQ(layout.PositionOfRow(0), 0);
    EXPECT_EQ(layout.PositionOfRow(400), 255);
    EXPECT_EQ(layout.StartBox(), QRect(95, 4, 7, 7));
    EXPECT_EQ(layout.EndBox(), QRect(95, 319, 7, 7));
    EXPECT_EQ(layout.Frame(), QRect(4, 4, 83, 322));

    // Too low to hold a strip: nothing maps, nothing divides by zero.
    for (int h : {0, 5, 10}) {
        const CGradientLayout flat(QSize(110, h), -1, 255);
        EXPECT_FALSE(flat.HasStrip()) << h;
        EXPECT_EQ(flat.PositionOfRow(3), 0) << h;
        EXPECT_EQ(flat.EntryOfRow(3), 0) << h;
    }
}

TEST(GradientLayout, CrowdedPegsAlternateBetweenTwoColumns)
{
    CGradient g;
    g.SetRange(255);
    g.AddPeg(0, 100);  // row 130
    g.AddPeg(0, 104);  // row 135: 5 pixels below
    g.AddPeg(0, 106);  // row 138: still crowded
    g.AddPeg(0, 200);  // row 255: far below
    const CGradientLayout layout(QSize(110, 330), -1, 255);
    EXPECT_EQ(layout.PegColumns(g), (std::vector<int>{87, 98, 87, 87}));
    EXPECT_EQ(layout.HitTest(g, QPoint(93, layout.RowOfPosition(200))), 3);
    EXPECT_EQ(layout.HitTest(g, QPoint(104, layout.RowOfPosition(104) + 1)), 1);
    EXPECT_EQ(layout.HitTest(g, QPoint(97, 7)), CGradient::kStart);
    EXPECT_EQ(layout.HitTest(g, QPoint(97, 322)), CGradient::kEnd);
    EXPECT_EQ(layout.HitTest(g, QPoint(40, 100)), CGradient::kNone);
}

TEST_F(GradientCtrlTest, PaintsTheStripTopToBottom)
{
    m_ctrl.GetGradient().SetPeg(CGradient::kStart, RGB(255, 0, 0), 0);
    m_ctrl.GetGradient().SetPeg(CGradient::kEnd, RGB(0, 0, 255), 0);
    const QImage shot = m_ctrl.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(40, 5)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(40, 324)).blue(), 254);
    EXPECT_EQ(QColor(shot.pixel(4, 100)), QColor(Qt::black));  // the frame
    EXPECT_EQ(QColor(shot.pixel(98, 7)), QColor(255, 0, 0));     // the start box
    // A control too small for a strip paints without trouble.
    CGradientCtrl tiny;
    tiny.resize(20, 8);
    tiny.GetGradient().AddPeg(0, 3);
    EXPECT_FALSE(tiny.grab().toImage().isNull());
}

TEST_F(GradientCtrlTest, DraggingAPegMovesItAndTellsTheOwner)
{
    CGradient& g = m_ctrl.GetGradient();
    g.AddPeg(RGB(10, 10, 10), 50);
    g.AddPeg(RGB(20, 20, 20), 150);
    const QPoint start = PegPoint(0);
    Send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_ctrl.GetSelIndex(), 0);
    EXPECT_TRUE(m_ctrl.IsButtonDown());
    ASSERT_EQ(m_notes.size(), 1u);
    EXPECT_EQ(m_notes[0].message, unsigned(CGradientCtrl::GradientSelChange));
    EXPECT_EQ(m_notes[0].lParam, 0);

    // Past the other peg: the selection follows the peg to its new index.
    const int row = m_ctrl.Layout().RowOfPosition(200);
    const int position = m_ctrl.Layout().PositionOfRow(row);
    ASSERT_GT(position, 150);
    Send(QEvent::MouseMove, QPoint(start.x(), row), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(m_ctrl.GetSelIndex(), 1);
    EXPECT_EQ(g.GetPeg(1).colour, RGB(10, 10, 10));
    EXPECT_EQ(g.GetPeg(1).position, position);
    ASSERT_EQ(m_notes.size(), 3u);
    EXPECT_EQ(m_notes[1], (Note{CGradientCtrl::GradientPegMove, position, 1}));
    EXPECT_EQ(m_notes[2].message, unsigned(CGradientCtrl::GradientChange));

    Send(QEvent::MouseButtonRelease, QPoint(start.x(), row), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(m_ctrl.IsButtonDown());
    ASSERT_EQ(m_notes.size(), 5u);
    EXPECT_EQ(m_notes[3], (Note{CGradientCtrl::GradientPegMoved, position, 1}));
    EXPECT_EQ(m_notes[4].message, unsigned(CGradientCtrl::GradientChange));

    // A move without the button does nothing; neither does one with an end selected.
    m_notes.clear();
    Send(QEvent::MouseMove, QPoint(start.x(), 20), Qt::NoButton, Qt::NoButton);
    Send(QEvent::MouseButtonPress, QPoint(98, 7), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_ctrl.GetSelIndex(), CGradient::kStart);
    Send(QEvent::MouseMove, QPoint(98, 100), Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(98, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_notes.size(), 1u);  // only the selection
    EXPECT_EQ(g.GetPeg(1).position, position);
}

TEST_F(GradientCtrlTest, DoubleClicksCreateOrEditAndEmptySpaceSelectsNothing)
{
    m_ctrl.GetGradient().AddPeg(RGB(1, 1, 1), 100);
    const QPoint empty(40, m_ctrl.Layout().RowOfPosition(60));
    const int position = m_ctrl.Layout().PositionOfRow(empty.y());
    Send(QEvent::MouseButtonPress, empty, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_ctrl.GetSelIndex(), CGradient::kNone);
    EXPECT_EQ(m_ctrl.GetClickPosition(), position);
    Send(QEvent::MouseButtonRelease, empty, Qt::LeftButton, Qt::NoButton);
    m_notes.clear();
    Send(QEvent::MouseButtonDblClick, empty, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(m_notes.size(), 1u);
    EXPECT_EQ(m_notes[0], (Note{CGradientCtrl::GradientCreatePeg, position, 0}));

    const QPoint peg = PegPoint(0);
    Send(QEvent::MouseButtonPress, peg, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, peg, Qt::LeftButton, Qt::NoButton);
    m_notes.clear();
    Send(QEvent::MouseButtonDblClick, peg, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(m_notes.size(), 1u);
    EXPECT_EQ(m_notes[0].message, unsigned(CGradientCtrl::GradientEditPeg));
    EXPECT_EQ(m_notes[0].lParam, 0);
}

TEST_F(GradientCtrlTest, KeysMoveAndRemovePegsButNeverTheEnds)
{
    CGradient& g = m_ctrl.GetGradient();
    g.AddPeg(RGB(1, 1, 1), 10);
    g.AddPeg(RGB(2, 2, 2), 20);
    m_ctrl.SetSelIndex(1);
    QTest::keyClick(&m_ctrl, Qt::Key_Up);
    EXPECT_EQ(g.GetPeg(1).position, 19);
    QTest::keyClick(&m_ctrl, Qt::Key_Down);
    QTest::keyClick(&m_ctrl, Qt::Key_Down);
    EXPECT_EQ(g.GetPeg(1).position, 21);
    ASSERT_FALSE(m_notes.empty());
    EXPECT_EQ(m_notes.back().message, unsigned(CGradientCtrl::GradientChange));

    m_notes.clear();
    QTest::keyClick(&m_ctrl, Qt::Key_Delete);
    EXPECT_EQ(g.GetPegCount(), 1);
    EXPECT_EQ(m_ctrl.GetSelIndex(), 0);  // the previous peg
    ASSERT_EQ(m_notes.size(), 3u);
    EXPECT_EQ(m_notes[0], (Note{CGradientCtrl::GradientPegRemoved, 21, 1}));
    EXPECT_EQ(m_notes[1].message, unsigned(CGradientCtrl::GradientSelChange));
    EXPECT_EQ(m_notes[1].lParam, 0);
    EXPECT_EQ(m_notes[2].message, unsigned(CGradientCtrl::GradientChange));
    QTest::keyClick(&m_ctrl, Qt::Key_Delete);
    EXPECT_EQ(g.GetPegCount(), 0);
    EXPECT_EQ(m_ctrl.GetSelIndex(), CGradient::kStart);

    // With an end selected Delete, Up and Down do nothing.
    m_notes.clear();
    g.AddPeg(RGB(3, 3, 3), 30);
    for (int end : {CGradient::kStart, CGradient::kEnd}) {
        m_ctrl.SetSelIndex(end);
        QTest::keyClick(&m_ctrl, Qt::Key_Delete);
        QTest::keyClick(&m_ctrl, Qt::Key_Up);
        m_ctrl.RemoveSelected(true);
    }
    EXPECT_EQ(g.GetPegCount(), 1);
    EXPECT_EQ(g.GetPeg(0).position, 30);
    EXPECT_TRUE(m_notes.empty());
}

TEST_F(GradientCtrlTest, SelectionMarkBlinksWithTheOwnersPhase)
{
    m_ctrl.GetGradient().AddPeg(RGB(1, 1, 1), 10);
    m_ctrl.SetSelIndex(0);
    EXPECT_TRUE(m_ctrl.IsMarkShown());
    m_ctrl.SetBlinkPhase(1);
    m_ctrl.BlinkSelection();
    EXPECT_FALSE(m_ctrl.IsMarkShown());
    m_ctrl.SetBlinkPhase(0);
    m_ctrl.BlinkSelection();
    EXPECT_TRUE(m_ctrl.IsMarkShown());
    // A selection that no longer names a peg becomes none when painted.
    m_ctrl.GetGradient().RemovePeg(0);
    (void)m_ctrl.grab();
    EXPECT_EQ(m_ctrl.GetSelIndex(), CGradient::kNone);
}
