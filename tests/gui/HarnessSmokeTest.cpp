// The layer itself: both programs come up on the test's own display, real
// keys reach them, and their probes report what they show; a message box
// they show stays on the screen for real keys, and one the test did not
// expect fails it.
#include "GuiTest.h"

#include "support/FailingDesktopOpener.h"

#include <QRegularExpression>
#include <QString>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

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

namespace {

// Help's web page on a desktop whose opener finds no browser: the program
// shows an "Error" box.
class HarnessBoxes : public GuiTest, public ::testing::WithParamInterface<bool> {
protected:
    ProbeClient& Probe() { return GetParam() ? CorvaneProbe() : BrevioProbe(); }
    bool Start()
    {
        m_desktop = std::make_unique<testsupport::FailingDesktopOpener>(Brevio().Folder() + QStringLiteral("/bin"));
        const bool started = m_desktop->IsReady() && (GetParam() ? StartCorvane() : StartBrevio());
        m_desktop.reset();
        return started;
    }
    bool ShowErrorBox()
    {
        return ChooseMenu(Probe(), QStringLiteral("Help > QT9XVK on the Web"));
    }
    // The box shown and not yet answered.
    bool BoxOpen()
    {
        const QList<Box> boxes = Boxes(Probe());
        return boxes.size() == 1 && boxes[0].caption == QLatin1String("Error") && !boxes[0].answered &&
               Probe().Ask(QStringLiteral("modal")) == QLatin1String("QMessageBox|Error");
    }

    std::unique_ptr<testsupport::FailingDesktopOpener> m_desktop;
};

} // namespace

// A box nobody declared fails the test, once, saying what it said, and is
// left on the screen meanwhile; nothing answers it by itself.
TEST_P(HarnessBoxes, ABoxTheTestDidNotExpectFailsItAndStaysShown)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(ShowErrorBox());
    ASSERT_TRUE(WaitFor([&] { return BoxOpen(); })) << Probe().Ask(QStringLiteral("modal")).toStdString();

    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ExpectNoUnexpectedBoxes();
        // Told once only.
        ExpectNoUnexpectedBoxes();
    }
    ASSERT_EQ(failures.size(), 1);
    const std::string told = failures.GetTestPartResult(0).message();
    EXPECT_NE(told.find("did not expect (message): \"Error\" saying \"Error starting"), std::string::npos) << told;
    EXPECT_NE(told.find("no method available for opening"), std::string::npos) << told;
    EXPECT_NE(told.find("still shown"), std::string::npos) << told;
    // Still there a while later: the program waits for the operator.
    EXPECT_FALSE(WaitFor([&] { return !BoxOpen(); }, 2000)) << "the box went by itself";
}

// A box the test declares passes; answered with a real key it goes, and the
// answer is the button the key chose.
TEST_P(HarnessBoxes, ADeclaredBoxIsAnsweredWithRealKeys)
{
    ASSERT_TRUE(Start());
    ExpectBox(Probe(), QStringLiteral("Error"), QStringLiteral("no method available"));
    ASSERT_TRUE(ShowErrorBox());
    ASSERT_TRUE(WaitFor([&] { return BoxOpen(); })) << Probe().Ask(QStringLiteral("modal")).toStdString();
    const std::optional<Box> box = AnswerBox(Probe(), QStringLiteral("Error"), QStringLiteral("no method available"), QStringLiteral("Escape"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->answered);
    EXPECT_EQ(box->answer, QStringLiteral("OK"));
    EXPECT_EQ(Probe().Ask(QStringLiteral("modal")), QStringLiteral("none"));
    EXPECT_TRUE(WaitUntilActive(Probe())) << Probe().Ask(QStringLiteral("main")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Programs, HarnessBoxes, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Corvane" : "Brevio");
                         });
