// A navigation key held in PSK31 Brevio's text panes, with real keys: a
// channel holds its received text back, and the Super Browser keeps its
// receive window where it is, only while the key is down. The key's release
// may go elsewhere (to a context menu, to a dialog, or to a drag of text
// under way, which takes every key event); once the key is up the text
// comes again.
#include "GuiTest.h"
#include "support/BrevioPanes.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kBrowserRx = QStringLiteral("CSuperView>CRxTextWindow");

// Where the key's release goes.
enum class Route { ContextMenu, Dialog, Drag };

class BrevioHeldKeys : public testsupport::BrevioPanes<GuiTest> {
protected:
    bool MainActive() { return Ask(QStringLiteral("main")).endsWith(QLatin1String("active=1")); }

    // Text typed into the transmit pane that has the focus, all of it
    // selected, so that it can be dragged.
    void TypeAndSelect(const QString& pane)
    {
        ASSERT_TRUE(Input().Type(QStringLiteral("de qt9xvk pse k")));
        ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("text ") + pane) == QLatin1String("de qt9xvk pse k"); }));
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+a")));
    }

    // Down goes down in the pane that has the focus, its text selected;
    // checked: that the text is held while it is down. It goes up by the
    // route; a drag takes the pane's first characters.
    void HoldDownAndLetGoBy(Route route, const QString& pane, const QString& dropOn,
                            const std::function<bool()>& held)
    {
        if (route == Route::Drag) {
            // Shift+Down keeps the selection that is to be dragged; Shift
            // goes up at once, Down stays down.
            ASSERT_TRUE(Input().KeyDown(QStringLiteral("shift+Down")));
            ASSERT_TRUE(Input().KeyUp(QStringLiteral("shift")));
        } else {
            ASSERT_TRUE(Input().KeyDown(QStringLiteral("Down")));
        }
        EXPECT_TRUE(WaitFor(held)) << "nothing was held while the key was down";

        const QRect r = ParseRect(Ask(QStringLiteral("locate ") + pane));
        ASSERT_TRUE(r.isValid());
        const QPoint text = r.topLeft() + QPoint(25, 9);
        switch (route) {
        case Route::ContextMenu:
            ASSERT_TRUE(Input().Click(r.center(), XInput::kRight));
            ASSERT_TRUE(WaitFor([&] { return MenuOpen(); })) << Ask(QStringLiteral("geometry")).toStdString();
            ASSERT_TRUE(Input().KeyUp(QStringLiteral("Down")));
            ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
            ASSERT_TRUE(WaitFor([&] { return !MenuOpen(); }));
            break;
        case Route::Dialog:
            // F8: the options sheet.
            ASSERT_TRUE(Input().Key(QStringLiteral("F8")));
            ASSERT_TRUE(WaitFor([&] { return !MainActive(); })) << Ask(QStringLiteral("main")).toStdString();
            ASSERT_TRUE(Input().KeyUp(QStringLiteral("Down")));
            ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
            ASSERT_TRUE(WaitFor([&] { return MainActive(); })) << Ask(QStringLiteral("main")).toStdString();
            break;
        case Route::Drag: {
            // The selected text is dragged a little way; the key goes up
            // while the drag is under way, and the text is let go over a
            // receive window, which takes none.
            ASSERT_TRUE(Input().Press(text));
            for (int step = 1; step <= 5; ++step)
                ASSERT_TRUE(Input().MoveMouse(text + QPoint(8 * step, 8 * step)));
            ASSERT_TRUE(Input().KeyUp(QStringLiteral("Down")));
            const QPoint drop = CentreOf(BrevioProbe(), dropOn);
            ASSERT_FALSE(drop.isNull());
            ASSERT_TRUE(Input().MoveMouse(drop));
            ASSERT_TRUE(Input().MoveMouse(drop + QPoint(4, 4)));
            ASSERT_TRUE(Input().Release());
            break;
        }
        }
    }

    // Channel 1 receives again once the key is up, however it went up.
    void ChannelReceivesAgainAfterTheKeyGoesUpBy(Route route)
    {
        Brevio().SetStoredValue(kChannelOneFrequency, 1500);
        ASSERT_TRUE(StartBrevio());
        ASSERT_TRUE(WaitFor([&] { return RxLength() > 60; })) << "channel 1 receives nothing";
        ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
        ASSERT_TRUE(Focused("CTxTextWindow")) << Ask(QStringLiteral("focus")).toStdString();
        TypeAndSelect(kTx);
        HoldDownAndLetGoBy(route, kTx, kRx, [&] { return RxQueued() > 0; });

        EXPECT_TRUE(WaitFor([&] { return RxQueued() == 0; })) << "held back still: " << Ask(QStringLiteral("rx")).toStdString();
        const int length = RxLength();
        EXPECT_TRUE(WaitFor([&] { return RxLength() > length; })) << "the receive pane shows nothing more";
        EXPECT_EQ(RxQueued(), 0);
    }
};

} // namespace

TEST_F(BrevioHeldKeys, ChannelReceivesAgainAfterAContextMenuTookTheRelease)
{
    ChannelReceivesAgainAfterTheKeyGoesUpBy(Route::ContextMenu);
}

TEST_F(BrevioHeldKeys, ChannelReceivesAgainAfterADialogTookTheRelease)
{
    ChannelReceivesAgainAfterTheKeyGoesUpBy(Route::Dialog);
}

TEST_F(BrevioHeldKeys, ChannelReceivesAgainAfterADragTookTheRelease)
{
    ChannelReceivesAgainAfterTheKeyGoesUpBy(Route::Drag);
}

// The Super Browser's transmit panel (the browser opened with F7, the panel
// with its button, its channel tuned with a click on the browser's
// waterfall): its receive window follows the
// selected channel's text again once the key is up, after a dialog and
// after a drag took the release. The keys go to the receive window, which
// shows the channel's text to drag.
TEST_F(BrevioHeldKeys, SuperBrowserFollowsItsTextAgainAfterTheKeyGoesUp)
{
    ASSERT_TRUE(StartBrevio());
    ASSERT_TRUE(OpenSuperBrowser());
    // The panel's channel on the demonstration's station at 1500 Hz: a click
    // there on the browser's waterfall.
    ASSERT_TRUE(TuneSuperBrowser(1500));
    ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("text ") + kBrowserRx).size() > 20; }))
        << "the Super Browser's receive window shows nothing";
    const auto held = [&] { return Ask(QStringLiteral("browser-held")) == QLatin1String("1"); };
    ASSERT_FALSE(held());
    const QRect rx = ParseRect(Ask(QStringLiteral("locate ") + kBrowserRx));
    ASSERT_TRUE(rx.isValid());
    // One click: a second one soon after would be a double click, which
    // opens the tags menu over a word.
    ASSERT_TRUE(Input().Click(rx.topLeft() + QPoint(25, 9)));
    for (Route route : {Route::Dialog, Route::Drag}) {
        SCOPED_TRACE(route == Route::Drag ? "drag" : "dialog");
        ASSERT_TRUE(Focused("CRxTextWindow")) << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+a")));
        HoldDownAndLetGoBy(route, kBrowserRx, kBrowserRx, held);
        EXPECT_TRUE(WaitFor([&] { return !held(); })) << "the receive window still keeps its place";
    }
}
