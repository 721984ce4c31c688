// FT-817 Corvane closed by its operator while PSK31 Brevio transmits
// through it, both programs on the simulated radio, with real keys and
// clicks: File > Exit in Corvane, then Continue or Cancel in its closing
// box. Corvane unkeys the radio as it starts closing; Brevio must not go on
// "transmitting" with nothing keying the radio: it ends the transmission as
// Escape does, keeps the text not yet sent, and says why in its status bar.
// Once Corvane serves again (started anew, or left running by Cancel)
// Brevio finds it, keys nothing by itself, and the operator's next
// transmission keys the radio again and Escape unkeys it. From a channel
// window and from the Super Browser's transmit panel, which share the
// transmit control.
#include "GuiTest.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const QString kPttThroughCorvane = QStringLiteral("PSK31Options 2.2 PSK31 m_bPTTFT817 .............:");
const QString kTxDelay = QStringLiteral("PSK31Options 2.2 PSK31 m_nTxDelay ..............:");
const QString kChannelTx = QStringLiteral("CFrameRx:1>CTxTextWindow");
const QString kBrowserTx = QStringLiteral("CSuperView>CTxTextWindow");
const QByteArray kPttOn = QByteArray::fromHex("0000000008");
const QByteArray kPttOff = QByteArray::fromHex("0000000088");
// Long enough to be still on its way when Corvane is closed.
const QString kText = QStringLiteral("cq cq cq de qt9xvk qt9xvk qt9xvk pse k cq cq cq de qt9xvk qt9xvk qt9xvk pse k");
const QString kNote = QStringLiteral("Transmission stopped: the link to FT-817 Corvane was lost");

// FT-817 Corvane asks before it closes (its closing box), as it does by default.
QString PowerDownSetting()
{
    return QStringLiteral("Settings ") + QStringLiteral("m_bPowerDown ").leftJustified(30, QLatin1Char('.')) +
           QLatin1Char(':');
}

struct Row {
    const char* name;
    bool browser;        // the Super Browser's transmit panel, else channel 1
    const char* answer;  // the button of Corvane's closing box
};

const Row kRows[] = {
    {"ChannelContinue", false, "Continue"},
    {"ChannelCancel", false, "Cancel"},
    {"SuperBrowserContinue", true, "Continue"},
    {"SuperBrowserCancel", true, "Cancel"},
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

class CorvaneClosedWhileTransmitting : public GuiTest, public ::testing::WithParamInterface<Row> {
protected:
    QString Ask(const QString& command) { return BrevioProbe().Ask(command); }
    QString State() { return Ask(QStringLiteral("state")); }
    bool Transmitting() { return State().startsWith(QLatin1String("tx=1 ")); }
    QString RadioShown() { return ProbeClient::Field(State(), QStringLiteral("radio")); }
    QString StatusMessage() { return Unescape(Ask(QStringLiteral("status"))).section(QLatin1Char('|'), 0, 0); }
    QString TxPane() const { return GetParam().browser ? kBrowserTx : kChannelTx; }
    QString TxText() { return Unescape(Ask(QStringLiteral("text ") + TxPane())); }
    int Count(const QByteArray& frame) { return int(Radio().frames().count(frame)); }
    // What the radio was last told: keyed or not.
    bool RadioKeyed()
    {
        const QList<QByteArray> frames = Radio().frames();
        for (auto it = frames.crbegin(); it != frames.crend(); ++it)
            if (*it == kPttOn || *it == kPttOff)
                return *it == kPttOn;
        return false;
    }
    QMap<QString, QVariant> CorvaneSettings() const { return {{PowerDownSetting(), 1}}; }

    qulonglong WindowOf(ProgramProcess& program, const QString& title)
    {
        const QList<qulonglong> windows = Input().Windows(program.Pid(), title);
        return windows.isEmpty() ? 0 : windows.first();
    }
    // A program's main window to the front, as from the taskbar.
    bool BringForward(ProgramProcess& program, const QString& title, ProbeClient& probe)
    {
        const qulonglong window = WindowOf(program, title);
        if (!window || !Input().Activate(window)) {
            ADD_FAILURE() << "cannot bring " << title.toStdString() << " forward: "
                          << Input().ErrorText().toStdString();
            return false;
        }
        return WaitUntilActive(probe);
    }
    bool BrevioForward() { return BringForward(Brevio(), QStringLiteral("^PSK31 Brevio"), BrevioProbe()); }

    // The keyboard into the transmit pane of the row.
    void FocusTxPane()
    {
        if (GetParam().browser && Ask(QStringLiteral("text ") + kBrowserTx) == QLatin1String("none")) {
            ASSERT_TRUE(OpenSuperBrowser());
            ASSERT_TRUE(TuneSuperBrowser(1500));
        }
        ASSERT_TRUE(FocusOn(BrevioProbe(), TxPane()));
    }
};

} // namespace

TEST_P(CorvaneClosedWhileTransmitting, BrevioStopsSaysWhyAndKeysTheRadioAgainOnlyWhenAsked)
{
    const Row& row = GetParam();
    ASSERT_TRUE(StartCorvane(CorvaneSettings()));
    Brevio().SetStoredValue(kPttThroughCorvane, 1);
    Brevio().SetStoredValue(kTxDelay, 0);
    ASSERT_TRUE(StartBrevio());
    ASSERT_TRUE(WaitFor([&] { return RadioShown() == QLatin1String("14.070.000"); })) << State().toStdString();

    // On the air through FT-817 Corvane.
    FocusTxPane();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Input().Type(kText)) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return TxText() == kText; })) << TxText().toStdString();
    ASSERT_TRUE(Input().Key(QStringLiteral("F1")));
    ASSERT_TRUE(WaitFor([&] { return Transmitting() && RadioKeyed(); })) << State().toStdString();
    ASSERT_EQ(Count(kPttOn), 1);
    const int offs = Count(kPttOff);

    // File > Exit in Corvane, and the row's answer in its closing box.
    ASSERT_TRUE(BringForward(Corvane(), QStringLiteral("^FT-817 Corvane"), CorvaneProbe()));
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("action:File")));
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("action:Exit")));
    // Clicked once the window manager has placed the box and given it the keyboard.
    ASSERT_NE(Input().WaitForWindow(Corvane().Pid(), QStringLiteral("^Closing\\.\\.\\.$")), 0u);
    ASSERT_TRUE(WaitFor([&] {
        return CorvaneProbe().Ask(QStringLiteral("focus")).section(QLatin1Char('|'), 2, 2) == QLatin1String("Closing...");
    })) << CorvaneProbe().Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("button:") + QLatin1String(row.answer)));
    const bool closed = QLatin1String(row.answer) == QLatin1String("Continue");
    if (closed)
        ASSERT_TRUE(Corvane().WaitForExit(StartMs())) << Corvane().Diagnostics().toStdString();
    else
        ASSERT_TRUE(WaitFor([&] {
            return CorvaneProbe().Ask(QStringLiteral("locate button:Cancel")) == QLatin1String("none");
        })) << "the closing box stays";
    // Corvane unkeyed the radio as it began to close.
    EXPECT_TRUE(WaitFor([&] { return !RadioKeyed(); }));
    EXPECT_GT(Count(kPttOff), offs);

    // Brevio ends the transmission and says why; the unsent text stays.
    EXPECT_TRUE(WaitFor([&] { return !Transmitting(); })) << "still transmitting, unkeyed: " << State().toStdString();
    EXPECT_EQ(StatusMessage(), kNote);
    EXPECT_EQ(TxText(), kText);
    if (!row.browser) {
        const QString state = State();
        const int sent = ProbeClient::Field(state, QStringLiteral("sent")).toInt();
        EXPECT_GT(sent, 0) << state.toStdString();
        EXPECT_LT(sent, int(kText.size())) << state.toStdString();
        EXPECT_FALSE(state.contains(QLatin1String("press Escape to stop"))) << state.toStdString();
    }

    // Corvane serves again: Brevio finds it and keys nothing by itself.
    if (closed)
        ASSERT_TRUE(StartCorvane(CorvaneSettings()));
    ASSERT_TRUE(WaitFor([&] { return RadioShown() == QLatin1String("14.070.000"); })) << State().toStdString();
    EXPECT_FALSE(Transmitting());
    EXPECT_EQ(Count(kPttOn), 1);
    EXPECT_FALSE(RadioKeyed());

    // The operator's next transmission keys the radio again, the word in
    // the status bar goes, and Escape unkeys it.
    ASSERT_TRUE(BrevioForward());
    FocusTxPane();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Input().Key(QStringLiteral("F1")));
    EXPECT_TRUE(WaitFor([&] { return Transmitting() && RadioKeyed(); })) << State().toStdString();
    EXPECT_EQ(Count(kPttOn), 2);
    EXPECT_TRUE(StatusMessage().isEmpty()) << StatusMessage().toStdString();
    const int offsBefore = Count(kPttOff);
    ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    EXPECT_TRUE(WaitFor([&] { return !Transmitting() && !RadioKeyed(); })) << State().toStdString();
    EXPECT_EQ(Count(kPttOff), offsBefore + 1);
    EXPECT_TRUE(Corvane().IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Answers, CorvaneClosedWhileTransmitting, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
