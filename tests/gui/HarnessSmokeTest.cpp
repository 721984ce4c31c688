// The layer itself: both programs come up on the test's own display, real
// keys reach them, and their probes report what they show.
#include "GuiTest.h"

#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <optional>

namespace {

class HarnessSmoke : public GuiTest {};

const QString kTxPane = QStringLiteral("CFrameRx:1>CTxTextWindow");

} // namespace

TEST_F(HarnessSmoke, KeysTypedIntoBrevioChannelOneShowInItsTransmitPane)
{
    ASSERT_TRUE(StartBrevio());
    ProbeClient& probe = BrevioProbe();
    ASSERT_EQ(probe.Ask(QStringLiteral("text ") + kTxPane), QString());
    ASSERT_TRUE(ClickOn(probe, kTxPane));
    ASSERT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("focus")).startsWith(QLatin1String("CTxTextWindow|")); }))
        << probe.Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(Input().Type(QStringLiteral("cq cq de g4tst"))) << Input().ErrorText().toStdString();
    EXPECT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("text ") + kTxPane) == QLatin1String("cq cq de g4tst"); }))
        << probe.Ask(QStringLiteral("text ") + kTxPane).toStdString();
    // A line break typed is a line of the pane.
    ASSERT_TRUE(Input().Key(QStringLiteral("Return")));
    ASSERT_TRUE(Input().Type(QStringLiteral("k")));
    EXPECT_TRUE(WaitFor([&] { return probe.Ask(QStringLiteral("text ") + kTxPane) == QLatin1String("cq cq de g4tst\\nk"); }))
        << probe.Ask(QStringLiteral("text ") + kTxPane).toStdString();
}

TEST_F(HarnessSmoke, AKeyChordOpensCorvaneScanBandWindowWhereGeometrySeesIt)
{
    ASSERT_TRUE(StartCorvane());
    ProbeClient& probe = CorvaneProbe();
    const auto scanBand = [&]() -> std::optional<Window> {
        for (const Window& w : ParseGeometry(probe.Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("CScanBandDialog"))
                return w;
        return std::nullopt;
    };
    ASSERT_FALSE(scanBand().has_value());
    ASSERT_TRUE(Input().Key(QStringLiteral("alt+n"))) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return scanBand().has_value(); })) << probe.Ask(QStringLiteral("geometry")).toStdString();
    const Window w = *scanBand();
    EXPECT_EQ(w.state, QStringLiteral("normal"));
    EXPECT_GT(w.rect.width(), 100);
    EXPECT_GT(w.rect.height(), 100);
    // The window manager shows the same window.
    EXPECT_FALSE(Input().Windows(Corvane().Pid(), QRegularExpression::escape(w.title)).isEmpty()) << w.title.toStdString();
}
