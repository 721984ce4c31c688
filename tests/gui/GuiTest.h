#pragma once
// Base of the tests that drive the running programs as an operator does: an
// X server of the test's own with a window manager, the probed builds of
// FT-817 Corvane (on the simulator) and PSK31 Brevio (on the demonstration
// recording) as processes on it with the xcb platform, real keys and clicks
// through XInput, and the probe's answers (tests/e2e/probe/ProbeCommands.h)
// to read what they show. Every test has its own display, settings, data and
// runtime folders, so tests run in parallel. When a check fails, a picture of
// the display at that moment is saved to <build>/gui-failures/<Suite>.<Test>.png
// and its path printed.
//
// Every message box and every file, folder, colour or font chooser that a
// program opens is really shown and recorded (tests/e2e/probe/BoxPrompter.h).
// A test declares each box it expects (ExpectBox, or AnswerBox, which answers
// it with real keys); it fails at its end for every other box that showed.
// Such a box is left open, so the picture of the failure shows it, and goes
// with the program.
//
//   class MyTest : public GuiTest {};
//   TEST_F(MyTest, TypingShowsInTheTransmitPane)
//   {
//       ASSERT_TRUE(StartBrevio());                       // up, main window active
//       ASSERT_TRUE(ClickOn(BrevioProbe(), "CFrameRx:1>CTxTextWindow"));
//       ASSERT_TRUE(Input().Type("cq de g4tst"));
//       EXPECT_TRUE(WaitFor([&] { return BrevioProbe().Ask("text CFrameRx:1>CTxTextWindow") == "cq de g4tst"; }));
//   }
//   TEST_F(MyTest, AWebPageNobodyCanShowIsTold)
//   {
//       ...                                               // the click that opens the page
//       const auto box = AnswerBox(BrevioProbe(), "Error", "Error starting");  // Return pressed in it
//       ASSERT_TRUE(box);
//       EXPECT_EQ(box->answer, "OK");
//   }
#include "XInput.h"
#include "XServer.h"

#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/ProgramProcess.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QList>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

#include <ostream>

// A failing check shows the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

class GuiTest : public ::testing::Test {
public:
    // A wait for something the operator's input brings about: well under the
    // test's own time limit (CORVANE_TEST_TIMEOUT), so a wait that runs out
    // still reports its message.
    static int WaitMs() { return testsupport::longestWaitMs() / 2; }
    // Coming up: a program's start, its start-up dialog, its first window.
    static int StartMs() { return testsupport::longestWaitMs(); }

    static constexpr const char* kBrevioIdentifier = "PSK31-Brevio-QT9XVK-Application";

    // One entry of the probe's "geometry" answer.
    struct Window {
        QString className;
        QString title;
        QRect rect;
        QString state;
        bool operator==(const Window&) const = default;
    };
    static QList<Window> ParseGeometry(const QString& answer);

    // A message box or chooser a program showed.
    struct Box {
        QString id;       // the same for no two boxes of a test
        QString kind;     // message, open file, open files, save file, folder, colour, font
        QString caption;
        QString text;     // a message box's text; a file chooser's filter, ...
        QString answer;   // the button (OK, Cancel, Yes, No, ...), the path chosen, or Cancel
        bool answered = false;  // false while it is still shown
    };
    // "x y w h" (the probe's "locate"); an invalid rectangle for "none".
    static QRect ParseRect(const QString& answer);
    // The probe's escaped one-line text back into its lines.
    static QString Unescape(const QString& text);

protected:
    // The size of the test's screen; a test class gives another by
    // overriding it.
    virtual QSize ScreenSize() const { return QSize(XServer::kWidth, XServer::kHeight); }
    void SetUp() override;
    void TearDown() override;

    XServer& X() { return *m_x; }
    XInput& Input() { return *m_input; }

    // PSK31 Brevio, probed, not yet started, so that a test can store
    // settings or put files into its data folder first.
    ProgramProcess& Brevio();
    QString BrevioDataFolder() { return Brevio().Folder() + QStringLiteral("/data"); }
    // Starts it on the demonstration recording (or on the recording given)
    // and waits until its main window shows and is active, channel 1's
    // transmit pane shown. Fails the test with the program's output if not.
    bool StartBrevio(const QStringList& arguments = {}, const QString& recording = {});
    // The same, without waiting for the main window: for a test that meets a
    // box on the way (AnswerBox, then WaitUntilActive).
    bool LaunchBrevio(const QStringList& arguments = {}, const QString& recording = {});
    ProbeClient& BrevioProbe() { return m_brevioProbe; }

    // FT-817 Corvane, probed, on a simulator of its own.
    testsupport::Simulator& Radio();
    // Starts it (and the simulated radio) and waits until it serves the
    // radio's frequency and its main window is active.
    bool StartCorvane(const QMap<QString, QVariant>& stored = {});
    CorvaneProcess& Corvane() { return *m_corvane; }
    ProbeClient& CorvaneProbe() { return m_corvaneProbe; }

    // Boxes. Every box the program behind the probe has shown in this test
    // (across its restarts), oldest first.
    QList<Box> Boxes(ProbeClient& probe);
    // Declares a box the test expects from the program behind the probe, or
    // from either program: its caption exactly, its text containing textPart
    // ("" for any text). Declared before the action that shows it; it may show
    // any number of times, or not at all (AnswerBox checks that it shows).
    void ExpectBox(ProbeClient& probe, const QString& caption, const QString& textPart = {});
    void ExpectBox(const QString& caption, const QString& textPart = {});
    // Declares the box, waits until one that matches and is not yet answered
    // shows with the keyboard, presses the keys in it ("Return" for its default
    // button, "Escape", "n": xdotool's names) and waits until it is gone. The
    // box with its answer; nullopt, with the test failed, when it did not show
    // or stayed.
    std::optional<Box> AnswerBox(ProbeClient& probe, const QString& caption, const QString& textPart = {},
                                 const QString& keys = QStringLiteral("Return"));
    // Fails the test for every box shown so far that it did not declare, each
    // told once. TearDown checks this too, while the programs still run.
    void ExpectNoUnexpectedBoxes();

    // The Super Browser opened as the operator opens it, with F7 in PSK31
    // Brevio's main window, and with txPanel its transmit panel shown with a
    // click on its button (each left as it is when it shows already). True
    // once it shows (and with txPanel the panel's transmit window); the test
    // failed otherwise.
    bool OpenSuperBrowser(bool txPanel = true);
    // The Super Browser's panel channel tuned to HZ as the operator tunes
    // it: a click on the browser's waterfall at that frequency.
    bool TuneSuperBrowser(int hz);

    // Until the condition holds (polled), at most ms.
    static bool WaitFor(const std::function<bool()>& condition, int ms = WaitMs());
    // Until the probe's main window is shown and active.
    bool WaitUntilActive(ProbeClient& probe, int ms = WaitMs());

    // The centre of the widget the probe locates by SPEC (locate), once it
    // shows (a null point if it does not); and a click there.
    QPoint CentreOf(ProbeClient& probe, const QString& spec);
    // Whether the keyboard focus is in the widget the probe locates by SPEC.
    bool HasFocus(ProbeClient& probe, const QString& spec);
    // The keyboard into that widget: a click there unless it has the
    // keyboard already (two clicks in a row would make a double click).
    bool FocusOn(ProbeClient& probe, const QString& spec);
    bool ClickOn(ProbeClient& probe, const QString& spec, int button = XInput::kLeft, int count = 1);
    // Menu items clicked in turn ("Help > QT9XVK on the Web"), each once the
    // menu before it shows, so that an item is not taken for a toolbar
    // button of the same text.
    bool ChooseMenu(ProbeClient& probe, const QString& path);

    // One row of a table of cases. A row passes when its check passed; a row
    // marked with a known defect (the defect in a few words) must still fail,
    // so that the mark is taken off once the defect is mended.
    static void ExpectRow(const std::string& row, bool passed, const QString& detail, const char* knownDefect);
    // How long a row waits for its effect: the usual wait, or a short one for
    // a row expected to fail, long enough for a key that works to show.
    static int RowWaitMs(const char* knownDefect) { return knownDefect ? 3000 : WaitMs(); }

    // A picture of the whole display now, to the path given; "" or the reason.
    QString Screenshot(const QString& path);
    // The demonstration recording, made once per build folder.
    static QString DemoRecording(QString* error);

private:
    friend class GuiFailureShots;
    void ShootFailure();
    QString BoxLog(const ProbeClient& probe) const;
    bool Expected(const ProbeClient& probe, const Box& box) const;
    static bool Matches(const Box& box, const QString& caption, const QString& textPart);

    struct ExpectedBox {
        const ProbeClient* probe;  // nullptr: either program
        QString caption;
        QString textPart;
    };
    QList<ExpectedBox> m_expectedBoxes;
    QStringList m_toldBoxes;
    std::unique_ptr<QTemporaryDir> m_boxLogs;

    std::unique_ptr<XServer> m_x;
    std::unique_ptr<XInput> m_input;
    std::unique_ptr<testsupport::Simulator> m_radio;
    std::unique_ptr<CorvaneProcess> m_corvane;
    std::unique_ptr<ProgramProcess> m_brevio;
    ProbeClient m_brevioProbe{QStringLiteral("gui-brevio-probe")};
    ProbeClient m_corvaneProbe{QStringLiteral("gui-corvane-probe")};
    QString m_name;
    bool m_shot = false;
};
