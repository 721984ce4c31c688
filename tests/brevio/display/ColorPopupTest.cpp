// The colour button and its popup: where the popup opens, where the arrow
// keys lead, and what the button tells its parent on every way out.
#include "brevio/display/ColorButton.h"
#include "brevio/display/ColorPopup.h"
#include "brevio/display/ColorPopupLayout.h"
#include "shared/ui/BaseDialog.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::prompter;
using Key = CColorPopupLayout::Key;

namespace {

constexpr int A = CColorPopupLayout::kAutoCell;
constexpr int M = CColorPopupLayout::kMoreCell;

CColorPopupLayout Layout(bool bAuto, bool bMore, QPoint at = QPoint(100, 100),
                         QRect screen = QRect(0, 0, 1280, 900))
{
    return CColorPopupLayout(2, 40, bAuto, bMore, QSize(80, 14), at, screen, 24);
}

struct Note {
    unsigned message;
    COLORREF colour;
    friend bool operator==(const Note&, const Note&) = default;
};

class ColorButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_host.resize(200, 100);
        m_button = new CColorButton(&m_host);
        SetDlgCtrlID(m_button, 1005);
        m_button->setGeometry(10, 10, 80, 24);
        QObject::connect(m_button, &CColorButton::notify, [this](unsigned m, COLORREF c, int id) {
            EXPECT_EQ(id, 1005);
            m_notes.push_back({m, c});
        });
        m_host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
    }
    CColorPopup* Open()
    {
        m_button->click();
        CColorPopup* popup = m_button->GetPopup();
        EXPECT_NE(popup, nullptr);
        EXPECT_TRUE(m_button->IsPopupOpen());
        return popup;
    }
    std::vector<unsigned> Messages() const
    {
        std::vector<unsigned> out;
        for (const Note& n : m_notes)
            out.push_back(n.message);
        return out;
    }
    void Settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QWidget m_host;
    CColorButton* m_button = nullptr;
    std::vector<Note> m_notes;
};

} // namespace

TEST(ColorPopupLayout, SizesFollowTheCellsAndTheTexts)
{
    const CColorPopupLayout both = Layout(true, true);
    EXPECT_EQ(both.GetRows(), 5);
    EXPECT_EQ(both.GetCellSize(), 18);
    // Text cell height: 14 + 4 + 4 + 2 = 24.
    EXPECT_EQ(both.AutoRect(), QRect(2, 2, 144, 26));
    EXPECT_EQ(both.CellRect(0), QRect(2, 30, 18, 18));
    EXPECT_EQ(both.CellRect(9), QRect(20, 48, 18, 18));
    EXPECT_EQ(both.MoreRect(), QRect(2, 124, 144, 26));
    EXPECT_EQ(both.WindowRect(), QRect(100, 100, 148, 154));
    const CColorPopupLayout plain = Layout(false, false);
    EXPECT_EQ(plain.WindowRect().size(), QSize(148, 94));
    EXPECT_EQ(plain.CellRect(39), QRect(128, 74, 18, 18));
    // A long text widens the popup.
    const CColorPopupLayout wide(2, 40, true, false, QSize(200, 14), QPoint(0, 0), QRect(), 24);
    EXPECT_EQ(wide.WindowRect().width(), 204);
    // System edges too wide for the cells make the cells bigger.
    EXPECT_EQ(CColorPopupLayout(6, 40, false, false, QSize(), QPoint(), QRect(), 24).GetCellSize(), 19);
}

TEST(ColorPopupLayout, StaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 900);
    // Near the bottom it opens above the button (its top was the button's bottom).
    const CColorPopupLayout low = Layout(true, true, QPoint(300, 850), screen);
    EXPECT_EQ(low.WindowRect().topLeft(), QPoint(300, 850 - 24 - 154));
    // Near the right edge it moves left; near the left edge right.
    EXPECT_EQ(Layout(true, true, QPoint(1250, 100), screen).WindowRect().x(), 1280 - 148);
    EXPECT_EQ(Layout(true, true, QPoint(-40, 100), screen).WindowRect().x(), 0);
}

TEST(ColorPopupLayout, HitTestFindsTheCellUnderThePoint)
{
    const CColorPopupLayout both = Layout(true, true);
    EXPECT_EQ(both.HitTest(QPoint(50, 10)), A);
    EXPECT_EQ(both.HitTest(QPoint(50, 130)), M);
    EXPECT_EQ(both.HitTest(QPoint(3, 33)), 0);
    EXPECT_EQ(both.HitTest(QPoint(145, 119)), 39);
    EXPECT_EQ(both.HitTest(QPoint(145, 121)), CColorPopupLayout::kNoCell);
    EXPECT_EQ(both.HitTest(QPoint(29, 59)), 9);
    EXPECT_EQ(both.HitTest(QPoint(1, 40)), CColorPopupLayout::kNoCell);
    EXPECT_EQ(both.HitTest(QPoint(300, 40)), CColorPopupLayout::kNoCell);  // right of the grid
}

TEST(ColorPopupLayout, ArrowKeysWalkTheGridAndTheTextCells)
{
    struct Case {
        bool bAuto, bMore;
        int from;
        Key key;
        int to;
    };
    const Case cases[] = {
        // Both texts.
        {true, true, A, Key::Down, 0},      {true, true, M, Key::Down, A},    {true, true, 3, Key::Down, 11},
        {true, true, 35, Key::Down, M},     {true, true, A, Key::Up, M},      {true, true, M, Key::Up, 39},
        {true, true, 12, Key::Up, 4},       {true, true, 4, Key::Up, A},      {true, true, A, Key::Right, 0},
        {true, true, M, Key::Right, A},     {true, true, 7, Key::Right, 8},   {true, true, 39, Key::Right, M},
        {true, true, A, Key::Left, M},      {true, true, M, Key::Left, 39},   {true, true, 8, Key::Left, 7},
        {true, true, 0, Key::Left, A},
        // Without "More Colors...".
        {true, false, 35, Key::Down, A},    {true, false, A, Key::Up, 39},    {true, false, 39, Key::Right, A},
        {true, false, A, Key::Left, 39},
        // Without "Automatic".
        {false, true, M, Key::Down, 0},     {false, true, 4, Key::Up, M},     {false, true, M, Key::Right, 0},
        {false, true, 0, Key::Left, M},
        // Neither: the grid wraps round.
        {false, false, 35, Key::Down, 0},   {false, false, 4, Key::Up, 39},   {false, false, 39, Key::Right, 0},
        {false, false, 0, Key::Left, 39},
        // Nothing highlighted yet: the first colour.
        {true, true, CColorPopupLayout::kNoCell, Key::Up, 0},
    };
    for (const Case& c : cases) {
        const CColorPopupLayout layout = Layout(c.bAuto, c.bMore);
        EXPECT_EQ(layout.Navigate(c.from, c.key), c.to)
            << "auto " << c.bAuto << " more " << c.bMore << " from " << c.from << " key " << int(c.key);
    }
}

TEST_F(ColorButtonTest, KeyboardWalkThenReturnChoosesTheColour)
{
    m_button->SetColor(CColorPopupLayout::TableEntry(16).colour);  // red
    CColorPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetChosenCell(), 16);
    EXPECT_EQ(m_notes, (std::vector<Note>{{CColorButton::ColourDropDown, RGB(255, 0, 0)}}));
    m_notes.clear();

    // From the chosen red: one down, one right.
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(popup->GetCurrentCell(), 24);
    QTest::keyClick(popup, Qt::Key_Right);
    EXPECT_EQ(popup->GetCurrentCell(), 25);
    // Without tracking the button keeps its colour while the parent hears.
    EXPECT_EQ(m_button->GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(m_notes, (std::vector<Note>{{CColorButton::ColourSelChange, RGB(255, 192, 203)},
                                          {CColorButton::ColourSelChange, RGB(255, 215, 0)}}));
    m_notes.clear();
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(m_notes, (std::vector<Note>{{CColorButton::ColourCloseUp, RGB(255, 215, 0)},
                                          {CColorButton::ColourSelEndOk, RGB(255, 215, 0)},
                                          {CColorButton::ColourSelChange, RGB(255, 215, 0)}}));
    EXPECT_EQ(m_button->GetColor(), RGB(255, 215, 0));
    EXPECT_FALSE(m_button->IsPopupOpen());
    Settle();
    EXPECT_EQ(m_button->GetPopup(), nullptr);

    // Choosing the colour it already has gives no change notification.
    popup = Open();
    m_notes.clear();
    QTest::keyClick(popup, Qt::Key_Space);
    EXPECT_EQ(Messages(), (std::vector<unsigned>{CColorButton::ColourCloseUp, CColorButton::ColourSelEndOk}));
}

TEST_F(ColorButtonTest, EscapeAfterTrackingReturnsToTheInitialColour)
{
    m_button->SetTrackSelection(true);
    m_button->SetColor(RGB(0, 0, 255));  // blue, cell 13
    CColorPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Left);
    EXPECT_EQ(m_button->GetColor(), CColorPopupLayout::TableEntry(12).colour);
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(m_button->GetColor(), CColorPopupLayout::TableEntry(4).colour);
    QTest::keyClick(popup, Qt::Key_Up);  // the automatic cell
    EXPECT_EQ(m_button->GetColor(), CLR_DEFAULT);
    m_notes.clear();
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(m_notes, (std::vector<Note>{{CColorButton::ColourCloseUp, RGB(0, 0, 255)},
                                          {CColorButton::ColourSelEndCancel, RGB(0, 0, 255)}}));
    EXPECT_EQ(m_button->GetColor(), RGB(0, 0, 255));
    EXPECT_FALSE(m_button->IsPopupOpen());
}

TEST_F(ColorButtonTest, MoreColorsAsksTheChooserAndItsCancelCancelsAll)
{
    m_button->SetColor(RGB(1, 2, 3));  // in no cell: "More Colors..." is the chosen one
    CColorPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetChosenCell(), M);
    QTest::keyClick(popup, Qt::Key_Up);  // from "More Colors..." to the last colour
    QTest::keyClick(popup, Qt::Key_Down);
    ASSERT_EQ(popup->GetCurrentCell(), M);
    EXPECT_EQ(m_notes.back(), (Note{CColorButton::ColourSelChange, RGB(1, 2, 3)}));
    m_notes.clear();
    QTest::keyClick(popup, Qt::Key_Return);  // the scripted chooser cancels
    EXPECT_EQ(m_notes, (std::vector<Note>{{CColorButton::ColourCloseUp, RGB(1, 2, 3)},
                                          {CColorButton::ColourSelEndCancel, RGB(1, 2, 3)}}));
    EXPECT_EQ(m_button->GetColor(), RGB(1, 2, 3));

    // A colour from the chooser is the choice.
    prompter().m_colours.push_back(QColor(10, 20, 30));
    popup = Open();
    QTest::keyClick(popup, Qt::Key_Up);
    QTest::keyClick(popup, Qt::Key_Down);
    m_notes.clear();
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(m_button->GetColor(), RGB(10, 20, 30));
    EXPECT_EQ(m_notes[1], (Note{CColorButton::ColourSelEndOk, RGB(10, 20, 30)}));
}

TEST_F(ColorButtonTest, AutomaticShowsTheAutomaticColour)
{
    m_button->SetDefaultColor(RGB(0, 200, 0));
    m_button->SetColor(RGB(255, 255, 255));
    CColorPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Right);  // white is the last colour: on to "More Colors..."
    QTest::keyClick(popup, Qt::Key_Right);  // and round to "Automatic"
    ASSERT_EQ(popup->GetCurrentCell(), A);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(m_button->GetColor(), CLR_DEFAULT);
    EXPECT_EQ(m_button->GetShownColor(), RGB(0, 200, 0));
    const QImage face = m_button->grab().toImage();
    EXPECT_EQ(QColor(face.pixel(20, 12)), QColor(0, 200, 0));
    Settle();
    // Opened on the automatic colour, "Automatic" is the chosen cell.
    popup = Open();
    EXPECT_EQ(popup->GetChosenCell(), A);
    popup->close();
}

TEST_F(ColorButtonTest, MouseReleaseInsideChoosesOutsideCancels)
{
    m_button->SetColor(RGB(0, 0, 0));
    CColorPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    const QPoint green = popup->Layout().CellRect(27).center();
    QMouseEvent move(QEvent::MouseMove, green, popup->mapToGlobal(green), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &move);
    EXPECT_EQ(popup->GetCurrentCell(), 27);
    QMouseEvent release(QEvent::MouseButtonRelease, green, popup->mapToGlobal(green), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(popup, &release);
    EXPECT_EQ(m_button->GetColor(), RGB(0, 255, 0));
    Settle();

    popup = Open();
    QApplication::sendEvent(popup, &move);
    m_notes.clear();
    const QPoint outside(-30, -30);
    QMouseEvent away(QEvent::MouseButtonRelease, outside, popup->mapToGlobal(outside), Qt::LeftButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(popup, &away);
    EXPECT_EQ(m_notes.back(), (Note{CColorButton::ColourSelEndCancel, RGB(0, 255, 0)}));
    EXPECT_EQ(m_button->GetColor(), RGB(0, 255, 0));

    // A popup closed from outside (another window took over) cancels too.
    Settle();
    popup = Open();
    m_notes.clear();
    popup->close();
    EXPECT_EQ(Messages(), (std::vector<unsigned>{CColorButton::ColourCloseUp, CColorButton::ColourSelEndCancel}));
    EXPECT_FALSE(m_button->IsPopupOpen());
}
