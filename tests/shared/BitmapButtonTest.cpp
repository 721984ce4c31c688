#include "shared/buttons/OXBitmapButton.h"
#include "shared/artwork/Artwork.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CountingButton : public COXBitmapButton {
public:
    using COXBitmapButton::COXBitmapButton;
    void OnToggle() override { ++toggled; }
    int toggled = 0;
};

struct Shown {
    QWidget window;
    CountingButton* button = new CountingButton(&window);
    Shown()
    {
        window.resize(200, 100);
        button->setGeometry(10, 10, 90, 32);
        button->SetWindowText(QStringLiteral("&Scan\nStart scanning"));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click() { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 16)); }
};

TEST(BitmapButton, ThreeStateToggleCyclesBackToOff)
{
    Shown s;
    s.button->SetExtendedStyle(BBS_TOGGLE | BBS_THREESTATE);
    std::vector<unsigned> codes;
    QObject::connect(s.button, &COXBitmapButton::notify, [&](unsigned code, int&) { codes.push_back(code); });
    QSignalSpy clicked(s.button, &QAbstractButton::clicked);
    const int expected[] = {1, 2, 0, 1};
    for (int want : expected) {
        s.click();
        int value = -5;
        DDX_BitmapButtonCheck(true, *s.button, value);
        EXPECT_EQ(value, want);
    }
    EXPECT_EQ(codes, std::vector<unsigned>(4, BBN_TOGGLE));
    EXPECT_EQ(clicked.count(), 4);
    EXPECT_EQ(s.button->toggled, 4);
}

TEST(BitmapButton, TwoStateToggleAndTheKeyboard)
{
    Shown s;
    s.button->SetExtendedStyle(BBS_TOGGLE);
    s.click();
    EXPECT_TRUE(s.button->IsToggledOn());
    s.click();
    EXPECT_EQ(s.button->GetToggleState(), 0u);
    s.button->setFocus();
    QTest::keyClick(s.button, Qt::Key_Space);
    EXPECT_TRUE(s.button->IsToggledOn());
    // The mnemonic clicks too.
    QTest::keyClick(&s.window, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_FALSE(s.button->IsToggledOn());
}

TEST(BitmapButton, OwnerVetoesTheToggleHook)
{
    Shown s;
    s.button->SetExtendedStyle(BBS_TOGGLE);
    QObject::connect(s.button, &COXBitmapButton::notify, [](unsigned, int& result) { result = 1; });
    s.click();
    EXPECT_TRUE(s.button->IsToggledOn());
    EXPECT_EQ(s.button->toggled, 0);
}

TEST(BitmapButton, DataExchangeWritesTheToggleState)
{
    COXBitmapButton plain;
    int value = 0;
    DDX_BitmapButtonCheck(true, plain, value);
    EXPECT_EQ(value, -1);
    value = 1;
    DDX_BitmapButtonCheck(false, plain, value);
    EXPECT_EQ(plain.GetToggleState(), 0u);

    COXBitmapButton toggle;
    toggle.SetExtendedStyle(BBS_TOGGLE);
    struct Case {
        int written;
        uint32_t state;
    } cases[] = {{1, BBST_ON}, {2, BBST_ON | BBST_INDETERMINATE}, {7, 0}, {0, 0}};
    for (const Case& c : cases) {
        toggle.SetToggleState(BBST_INDETERMINATE);
        value = c.written;
        DDX_BitmapButtonCheck(false, toggle, value);
        EXPECT_EQ(toggle.GetToggleState(), c.state) << c.written;
    }
}

TEST(BitmapButton, DropDownVetoedShowsNoMenuButIsReleased)
{
    Shown s;
    s.button->SetExtendedStyle(BBS_DROPDOWN);
    auto* menu = new QMenu;
    menu->addAction(QStringLiteral("One"));
    s.button->SetDropDownMenu(menu, true);
    QSignalSpy shown(menu, &QMenu::aboutToShow);
    QObject::connect(s.button, &COXBitmapButton::notify, [](unsigned code, int& result) {
        if (code == BBN_DROPDOWN)
            result = 1;
    });
    QSignalSpy clicked(s.button, &QAbstractButton::clicked);
    s.click();
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(s.button->GetToggleState(), 0u);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(BitmapButton, DropDownShowsItsMenuPushedAndIsReleasedAfter)
{
    Shown s;
    s.button->SetExtendedStyle(BBS_DROPDOWN);
    auto* menu = new QMenu;
    menu->addAction(QStringLiteral("One"));
    s.button->SetDropDownMenu(menu, true);
    uint32_t stateWhileOpen = 99;
    QObject::connect(menu, &QMenu::aboutToShow, [&] {
        stateWhileOpen = s.button->GetToggleState();
        QTimer::singleShot(0, menu, &QMenu::close);
    });
    s.click();
    EXPECT_EQ(stateWhileOpen, BBST_ON);
    EXPECT_EQ(s.button->GetToggleState(), 0u);
    EXPECT_GT(s.button->GetFitSize().width(), COXBitmapButton().GetFitSize().width());
}

TEST(BitmapButton, MenuOwnership)
{
    QPointer<QMenu> owned = new QMenu;
    QMenu borrowed;
    {
        COXBitmapButton button;
        button.SetDropDownMenu(owned, true);
        button.SetDropDownMenu(&borrowed, false);
        EXPECT_TRUE(owned.isNull()); // replaced: the owned one is gone
    }
    EXPECT_TRUE(borrowed.actions().isEmpty()); // still alive after the button
}

TEST(BitmapButton, PseudoDisabledLooksAndActsDisabledButKeepsItsTooltip)
{
    Shown s;
    s.button->EnableToolTip(true);
    s.button->SetPseudoDisabled(true);
    EXPECT_TRUE(s.button->Enable(false));
    EXPECT_FALSE(s.button->IsEnabled());
    EXPECT_TRUE(s.button->isEnabled()); // the window stays enabled for tooltip and cursor
    EXPECT_EQ(s.button->toolTip(), QStringLiteral("Start scanning"));
    EXPECT_TRUE(s.button->ItemState() & ODS_DISABLED);
    EXPECT_FALSE(s.button->focusPolicy() & Qt::TabFocus);

    QSignalSpy clicked(s.button, &QAbstractButton::clicked);
    s.click();
    s.button->setFocus();
    QTest::keyClick(s.button, Qt::Key_Space);
    QTest::keyClick(&s.window, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_EQ(clicked.count(), 0);

    EXPECT_FALSE(s.button->Enable(true));
    s.click();
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(s.button->focusPolicy() & Qt::TabFocus);

    // Leaving the mode gives the window the logical state.
    s.button->Enable(false);
    s.button->SetPseudoDisabled(false);
    EXPECT_FALSE(s.button->isEnabled());
}

TEST(BitmapButton, TextAndTooltipPartsOfTheWindowText)
{
    COXBitmapButton b;
    b.SetWindowText(QStringLiteral("Save\nSave the list"));
    EXPECT_EQ(b.GetButtonText(), QStringLiteral("Save"));
    EXPECT_EQ(b.text(), QStringLiteral("Save"));
    EXPECT_EQ(b.GetToolTipText(), QStringLiteral("Save the list"));
    b.SetButtonText(QStringLiteral("Store"));
    EXPECT_EQ(b.GetWindowText(), QStringLiteral("Store\nSave the list"));
    b.SetToolTipText(QString());
    EXPECT_EQ(b.GetWindowText(), QStringLiteral("Store"));
    b.SetToolTipText(QStringLiteral("tip"));
    EXPECT_EQ(b.GetWindowText(), QStringLiteral("Store\ntip"));
    EXPECT_TRUE(b.toolTip().isEmpty()); // not enabled
}

TEST(BitmapButton, StylesAndRefusals)
{
    COXBitmapButton b;
    EXPECT_EQ(b.GetHorizontalAlignment(), BS_CENTER);
    EXPECT_EQ(b.GetVerticalAlignment(), BS_VCENTER);
    b.SetHorizontalAlignment(BS_LEFT);
    b.SetVerticalAlignment(BS_BOTTOM);
    EXPECT_EQ(b.GetHorizontalAlignment(), BS_LEFT);
    EXPECT_EQ(b.GetVerticalAlignment(), BS_BOTTOM);
    EXPECT_TRUE(b.SetHotTrack(true));
    b.ModifyStyle(BS_TYPEMASK, 0);
    EXPECT_FALSE(b.SetHotTrack(false));
    EXPECT_TRUE(b.IsHotTrack());
    // No such cursor picture: refused, nothing changes.
    EXPECT_FALSE(b.SetEnabledCursor(23460));
    EXPECT_EQ(b.GetEnabledCursor(), 0);
    b.SetTransparentLook(true);
    EXPECT_TRUE(b.IsPseudoDisabled());
    EXPECT_EQ(b.GetEnabledCursor(), 0);
}

TEST(BitmapButton, SizeToContentTakesTheFitSize)
{
    Shown s;
    s.button->SetWindowText(QString());
    s.button->SizeToContent();
    EXPECT_EQ(s.button->size(), QSize(14, 12));
    s.button->SetExtendedStyle(BBS_DROPDOWN | BBS_NOARROW);
    EXPECT_EQ(s.button->GetFitSize(), QSize(14, 12));
    s.button->SetExtendedStyle(BBS_DROPDOWN);
    EXPECT_EQ(s.button->GetFitSize(), QSize(14 + s.button->GetArrowWidth() + 2, 12));
}

// Which image a state draws, read back from the rendered button.
TEST(BitmapButton, ImageChosenByState)
{
    QImage blue(12, 12, QImage::Format_ARGB32);
    blue.fill(QColor(0, 0, 200));
    artwork::addImage(QStringLiteral("bitmaps"), QStringLiteral("9001"), blue);
    Shown s;
    s.button->SetWindowText(QString());
    ASSERT_TRUE(s.button->LoadBitmapResource(9001, true));
    ASSERT_EQ(s.button->GetImageCount(), 2); // no colour table: normal and disabled
    auto centre = [&] {
        const QImage shot = s.button->grab().toImage();
        return QColor(shot.pixel(shot.width() / 2, shot.height() / 2));
    };
    EXPECT_EQ(centre(), QColor(0, 0, 200));
    s.button->SetHotTrack(true); // not under the mouse: image 1, here the disabled one
    EXPECT_NE(centre(), QColor(0, 0, 200));
    s.button->SetHotTrack(false);
    s.button->SetLookFlag(true);
    s.button->Enable(false); // image 2 does not exist: image 0
    EXPECT_EQ(centre(), QColor(0, 0, 200));
    artwork::addImage(QStringLiteral("bitmaps"), QStringLiteral("9001"), QImage());
}

} // namespace
