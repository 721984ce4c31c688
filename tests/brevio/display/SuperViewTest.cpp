// The Super Browser view offscreen: its values in the registry, the
// channels it shows and draws, its commands and menus, and the frame's
// status panes.
#include "SuperViewFixture.h"

#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/SquelchBar.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "support/ScriptedPrompter.h"

#include <QContextMenuEvent>
#include <QStatusBar>

using testsupport::SuperViewFixture;

namespace {
// The first picture pixel of a colour inside a rectangle of the picture, or (-1, -1).
QPoint FindColour(const QImage& image, const QRect& rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.rect().contains(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return QPoint(x, y);
    return QPoint(-1, -1);
}
} // namespace

TEST_F(SuperViewFixture, RegistryValuesAndTitle)
{
    const CRegistry reg;
    reg.WriteInt(QStringLiteral("CSuperView::m_nChannels"), 3);
    reg.WriteInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), 35);
    reg.WriteBool(QStringLiteral("Alarms().Enabled()"), 0);
    CSuperView* view = Create();
    EXPECT_EQ(view->GetChannelCount(), 5);
    EXPECT_EQ(view->GetSquelchThreshold(), 35);
    EXPECT_EQ(view->GetSquelchBar()->GetSquelch(), 35);
    EXPECT_EQ(Alarms().Enabled(), 0);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Super Browser, 5 Channels, Alarms Off"));

    // Channel count commands: the count, the title, the registry, the check mark.
    EXPECT_TRUE(view->OnCommand(33496));
    EXPECT_EQ(view->GetChannelCount(), 30);
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_nChannels"), 0), 30);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Super Browser, 30 Channels, Alarms Off"));
    bool enabled = false, checked = false;
    ASSERT_TRUE(view->UpdateCommand(33496, enabled, checked));
    EXPECT_TRUE(checked);
    ASSERT_TRUE(view->UpdateCommand(33491, enabled, checked));
    EXPECT_FALSE(checked);
    EXPECT_TRUE(view->IsInitialising());

    // The squelch bar's message sets every channel's threshold.
    SendRegisteredMessage(view, RegisteredMessage::nMsgSquelch, 0, 70);
    EXPECT_EQ(view->Engine().Channel(39).GetSquelch(), 70);
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), 0), 70);

    // Alarms on through the menu: button, list, registry, title.
    view->OnCommand(33536);
    EXPECT_TRUE(view->GetButton(CSuperView::IDC_ALARMS)->IsToggledOn());
    EXPECT_EQ(Alarms().Enabled(), 1);
    EXPECT_TRUE(reg.GetBool(QStringLiteral("Alarms().Enabled()"), false));
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Super Browser, 30 Channels, Alarms On"));
    ASSERT_TRUE(view->UpdateCommand(33536, enabled, checked));
    EXPECT_TRUE(checked);

    // Text repeats are saved with the settings.
    view->OnCommand(33540);
    EXPECT_EQ(CurrentSettings().m_nBrowserTextRepeats, 2);
    CPSK31Settings stored;
    stored.Load();
    EXPECT_EQ(stored.m_nBrowserTextRepeats, 2);

    m_frame.reset();
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_nChannels"), 0), 30);
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_lSquelchThreshold"), 0), 70);
}

TEST_F(SuperViewFixture, ChannelsWithTextAreDrawnAsBoxesBesideTheScale)
{
    CSuperView* view = Create();
    ASSERT_TRUE(view->Picture().Exists());
    EXPECT_EQ(view->Picture().Size().width(), view->GetArea()->width() - CSuperView::kScaleWidth);
    ASSERT_NE(view->GetDisplayCanvas(), nullptr);
    EXPECT_TRUE(view->GetDisplayCanvas()->IsBrowserMode());
    EXPECT_EQ(view->GetDisplayCanvas()->geometry(),
              QRect(view->GetArea()->pos(), QSize(CSuperView::kScaleWidth, view->GetArea()->height())));

    view->StartBrowser();
    // While initialising the characters are dropped.
    Feed(3, QStringLiteral("lost"));
    EXPECT_TRUE(view->Engine().Channel(3).GetRawText().isEmpty());
    view->OnTimer(102);
    EXPECT_FALSE(view->IsInitialising());

    // Nothing to show yet: the searching screen and its animation.
    view->OnTimer(100);
    EXPECT_EQ(view->GetAnimationFrame(), 0);
    EXPECT_TRUE(view->IsTimerActive(104));
    view->OnTimer(104);
    EXPECT_EQ(view->GetAnimationFrame(), 1);

    m_band.m_drift[13] = 1000;
    Feed(3, QStringLiteral("cq cq de g4abc g4abc pse k"));
    Second();
    EXPECT_EQ(view->GetAnimationFrame(), -1);
    EXPECT_FALSE(view->IsTimerActive(104));
    const CSuperChannel& c = view->Engine().Channel(3);
    ASSERT_TRUE(c.HasBox());
    const RECT box = c.GetBox();
    const QImage& picture = view->Picture().Image();
    // The frame in the border colour (white by default) and the inside grey.
    EXPECT_EQ(picture.pixel(box.left, box.top) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(picture.pixel(box.right - 3, box.bottom - 3) & 0xFFFFFF, 0x808080u);
    // The connector (white) starts at the frequency's row on the left edge.
    const CBrowserGeometry g = view->Geometry();
    const int y = int(CSuperBrowserEngine::RowOf(1000, g));
    EXPECT_EQ(picture.pixel(1, y) & 0xFFFFFF, 0xFFFFFFu);
    // The label in the box's text colour.
    EXPECT_NE(FindColour(picture, QRect(box.left + 2, box.top + 2, 60, box.bottom - box.top - 4), 0xFFFFFF),
              QPoint(-1, -1));

    // A new character redraws the box at once.
    view->Engine().Channel(3).SetBox(RECT{box.left, box.top, box.right, box.bottom});
    Feed(3, QStringLiteral(" 73"));
    EXPECT_TRUE(view->Engine().Channel(3).GetDisplayText().endsWith(QStringLiteral("k 73")));

    // A different display range in the options empties the boxes.
    CurrentSettings().m_nDisplayMax = 2500;
    SendRegisteredMessage(view, RegisteredMessage::nMsgOptions, 0, 0);
    EXPECT_FALSE(view->Engine().Channel(3).HasBox());

    // Stopping turns off every browser channel.
    m_band.m_enables.clear();
    view->StopBrowser();
    EXPECT_FALSE(view->IsRunning());
    EXPECT_EQ(m_band.m_enables.size(), 40u);
    const size_t placed = m_band.m_tunes.size();
    view->OnTimer(100);
    EXPECT_EQ(m_band.m_tunes.size(), placed);
}

TEST_F(SuperViewFixture, AfcCommandsGovernTheBrowserChannels)
{
    CSuperView* view = Create();
    EXPECT_EQ(m_band.m_afc[10], 10);
    EXPECT_EQ(m_band.m_afc[49], 10);
    EXPECT_EQ(m_band.m_afc.count(0), 0u);
    view->OnCommand(33468);
    EXPECT_EQ(m_band.m_afc[25], 3000);
    bool enabled = false, checked = false;
    view->UpdateCommand(33468, enabled, checked);
    EXPECT_TRUE(checked);
    view->UpdateCommand(33470, enabled, checked);
    EXPECT_FALSE(enabled);
    SendRegisteredMessage(view, RegisteredMessage::nMsgSetAFC, 0, 120);
    EXPECT_EQ(m_band.m_afc[30], 120);
    view->OnCommand(33467);
    EXPECT_EQ(m_band.m_afc[30], 0);
    view->OnCommand(33469);
    EXPECT_EQ(m_band.m_afc[30], 120);
    int valid = 0, value = 0;
    SendRegisteredMessage(view, RegisteredMessage::nMsgGetAFC, uintptr_t(&valid), intptr_t(&value));
    EXPECT_EQ(valid, 1);
    EXPECT_EQ(value, 120);
}

TEST_F(SuperViewFixture, ContextMenuOnABoxOffersTheChannels)
{
    CSuperView* view = Create();
    Start();
    m_band.m_drift[15] = 1500;
    Feed(5, QStringLiteral("cq cq de g4abc pse k"));
    Second();
    ASSERT_TRUE(view->Engine().Channel(5).HasBox());
    PickMenuEntry(QStringLiteral("Nothing"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, BoxCentre(5), view->mapToGlobal(BoxCentre(5)));
    QCoreApplication::sendEvent(view, &event);
    EXPECT_EQ(view->GetClickedChannel(), 5);
    EXPECT_EQ(m_menuTexts, QStringList({QStringLiteral("Advanced..."), QString(), QStringLiteral("Channel 1"),
                                        QStringLiteral("Channel 2"), QStringLiteral("Channel 3"),
                                        QStringLiteral("Channel 4")}));
    // Elsewhere in the area: no box, no channel.
    const QPoint empty = view->GetArea()->pos() + QPoint(CSuperView::kScaleWidth + 5, 2);
    QContextMenuEvent away(QContextMenuEvent::Mouse, empty, view->mapToGlobal(empty));
    QCoreApplication::sendEvent(view, &away);
    EXPECT_EQ(view->GetClickedChannel(), -1);
}

TEST_F(SuperViewFixture, AlarmsFireFromTheOneSecondTick)
{
    Alarms().Add(1, QStringLiteral("DX"), QStringLiteral("cq dx"), QString(),
                 CAlarm::kSpeak | CAlarm::kAddChannel | CAlarm::kHighlight, QString(), QStringLiteral("DX"));
    CSuperView* view = Create();
    Start();
    m_band.m_drift[17] = 2100;
    Feed(7, QStringLiteral("cq dx cq dx de g4abc"));
    Second();  // tick 1: placed and checked
    EXPECT_EQ(m_alarms.m_calls, QStringList{QStringLiteral("speak DX  on channel 8")});
    EXPECT_EQ(view->Engine().Channel(7).GetAlarmHit(), 1);
    Second();
    Second();
    EXPECT_EQ(m_alarms.m_calls.size(), 1);
}

TEST_F(SuperViewFixture, StatusPanesFollowTheTransmitPanel)
{
    CSuperView* view = Create();
    EXPECT_FALSE(view->IsTxPanelShown());
    for (int id : {106, 108, 166, 126, 127})
        EXPECT_TRUE(m_frame->PaneText(id).isEmpty()) << id;
    EXPECT_FALSE(m_frame->IsStatusBarShown());

    view->OnCommand(CSuperView::IDC_TX_PANEL);
    view->OnTimer(101);
    EXPECT_TRUE(m_frame->IsStatusBarShown());
    EXPECT_EQ(view->GetSelectedChannel(), 0);
    struct Case {
        int imd;
        int bound;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, "IMD:"}, Case{-999, 0, "IMD: Noise"}, Case{-24, 1, "IMD: < -24dB"},
                          Case{-18, 0, "IMD: -18dB"}}) {
        view->OnChannelImd(0, c.imd, c.bound);
        EXPECT_EQ(m_frame->PaneText(106), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(m_frame->PaneText(108), QStringLiteral("Tx Lock: off"));
    EXPECT_EQ(m_frame->PaneText(166), QStringLiteral("Send: Immediate"));
    CurrentSettings().m_nTxSendChars = 2;
    EXPECT_EQ(m_frame->PaneText(166), QStringLiteral("Send: Linefeed"));
    EXPECT_EQ(m_frame->PaneText(127), QStringLiteral("To send: 0"));
    EXPECT_FALSE(m_frame->IsPaneEnabled(126));
    m_band.m_tuned[10] = 1234;
    view->OnCommand(CSuperView::IDC_LOCK);
    EXPECT_EQ(m_frame->PaneText(108), QStringLiteral("Tx Lock: 1234 Hz"));
    m_frame->SetStatusText(QStringLiteral("Receiving"));
    EXPECT_EQ(m_frame->GetStatusText(), QStringLiteral("Receiving"));

    // Closing the frame hides it and stops the browser.
    view->StartBrowser();
    m_band.m_enables.clear();
    m_frame->close();
    EXPECT_FALSE(view->IsRunning());
    EXPECT_EQ(m_band.m_enables.size(), 40u);
}
