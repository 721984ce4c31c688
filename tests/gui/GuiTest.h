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
//   class MyTest : public GuiTest {};
//   TEST_F(MyTest, TypingShowsInTheTransmitPane)
//   {
//       ASSERT_TRUE(StartBrevio());                       // up, main window active
//       ASSERT_TRUE(ClickOn(BrevioProbe(), "CFrameRx:1>CTxTextWindow"));
//       ASSERT_TRUE(Input().Type("cq de g4tst"));
//       EXPECT_TRUE(WaitFor([&] { return BrevioProbe().Ask("text CFrameRx:1>CTxTextWindow") == "cq de g4tst"; }));
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
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
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
    // "x y w h" (the probe's "locate"); an invalid rectangle for "none".
    static QRect ParseRect(const QString& answer);
    // The probe's escaped one-line text back into its lines.
    static QString Unescape(const QString& text);

protected:
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
    ProbeClient& BrevioProbe() { return m_brevioProbe; }

    // FT-817 Corvane, probed, on a simulator of its own.
    testsupport::Simulator& Radio();
    // Starts it (and the simulated radio) and waits until it serves the
    // radio's frequency and its main window is active.
    bool StartCorvane(const QMap<QString, QVariant>& stored = {});
    CorvaneProcess& Corvane() { return *m_corvane; }
    ProbeClient& CorvaneProbe() { return m_corvaneProbe; }

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
