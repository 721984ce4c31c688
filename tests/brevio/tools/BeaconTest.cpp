// The beacon: the repetition on a fake clock (both repeat options, the
// countdown, "[stop]", Stop), the intervals held to their ranges, and the
// dialog's buttons, remembered values and text files.
#include "ToolsFixture.h"

#include "brevio/tools/BeaconCycle.h"
#include "brevio/tools/BeaconDlg.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <csignal>
#include <sys/resource.h>

namespace {

// The sending window and the transmitter, as the cycle sees them.
struct FakeStation {
    bool transmitting = false;
    QStringList sent;
    int stops = 0;
    CBeaconCycle::Host Host()
    {
        CBeaconCycle::Host host;
        host.send = [this](const QString& text) { sent << text; };
        host.stop = [this] {
            ++stops;
            transmitting = false;
        };
        host.isTransmitting = [this] { return transmitting; };
        return host;
    }
};

const QDateTime kT0(QDate(2024, 5, 1), QTime(9, 0, 0), Qt::UTC);

// One step of a script: at a time (seconds after kT0) with the transmitter
// in a state, the tick answers a status and leaves a state.
struct Step {
    double at;
    bool transmitting;
    const char* status;
    CBeaconCycle::State state;
    int sent;  // transmissions started so far
};

void RunScript(CBeaconCycle& cycle, FakeStation& station, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        SCOPED_TRACE(s.at);
        station.transmitting = s.transmitting;
        EXPECT_EQ(cycle.Tick(kT0.addMSecs(qint64(s.at * 1000))), QString::fromLatin1(s.status));
        EXPECT_EQ(cycle.GetState(), s.state);
        EXPECT_EQ(station.sent.size(), s.sent);
    }
}

TEST(BeaconCycle, RepeatEveryCountsFromEachStart)
{
    FakeStation station;
    CBeaconCycle cycle(station.Host());
    cycle.SetOption(CBeaconCycle::Every);
    cycle.SetEvery(QStringLiteral("1"));
    cycle.SetText(QStringLiteral("QT9XVK beacon"));
    EXPECT_EQ(cycle.Tick(kT0), QStringLiteral("- Rx -"));
    cycle.Start(kT0);
    ASSERT_EQ(station.sent, QStringList{QStringLiteral("QT9XVK beacon[stop]")});
    using S = CBeaconCycle;
    RunScript(cycle, station,
              {
                  {0.1, false, "Starting...", S::Starting, 1},
                  {0.2, true, "Starting...", S::Sending, 1},
                  {20, true, "Sending...", S::Sending, 1},
                  // Forty seconds of sending, then twenty to wait.
                  {40, false, "Sending...", S::Waiting, 1},
                  {40, false, "Waiting... 00:00:20", S::Waiting, 1},
                  {40.1, false, "Waiting... 00:00:19", S::Waiting, 1},
                  {59.9, false, "Waiting... 00:00:00", S::Waiting, 1},
                  {60, false, "Waiting...", S::Starting, 2},
                  {60.1, true, "Starting...", S::Sending, 2},
              });
    EXPECT_EQ(cycle.GetStartTime(), kT0.addSecs(60));
    EXPECT_EQ(station.sent[1], QStringLiteral("QT9XVK beacon[stop]"));
    // Stop in any state.
    cycle.Stop();
    EXPECT_EQ(station.stops, 1);
    EXPECT_EQ(cycle.GetState(), S::Idle);
    RunScript(cycle, station, {{200, false, "- Rx -", S::Idle, 2}, {201, true, "- Tx -", S::Idle, 2}});
}

TEST(BeaconCycle, RepeatAfterCountsFromEachEndAndOnceStops)
{
    FakeStation station;
    CBeaconCycle cycle(station.Host());
    cycle.SetOption(CBeaconCycle::After);
    cycle.SetAfter(QStringLiteral("30"));
    // A text that holds the tag already goes as it is.
    cycle.SetText(QStringLiteral("beacon [stop] more"));
    cycle.Start(kT0);
    using S = CBeaconCycle;
    RunScript(cycle, station,
              {
                  {0.1, true, "Starting...", S::Sending, 1},
                  {45, false, "Sending...", S::Waiting, 1},
                  {45.1, false, "Waiting... 00:00:29", S::Waiting, 1},
                  {74.9, false, "Waiting... 00:00:00", S::Waiting, 1},
                  {75, false, "Waiting...", S::Starting, 2},
              });
    EXPECT_EQ(station.sent[0], QStringLiteral("beacon [stop] more"));
    EXPECT_EQ(cycle.GetEndTime(), kT0.addSecs(45));

    // Once: back to idle when the transmission ends.
    FakeStation once;
    CBeaconCycle single(once.Host());
    single.SetText(QStringLiteral("x"));
    single.Start(kT0);
    RunScript(single, once,
              {
                  {0.1, true, "Starting...", S::Sending, 1},
                  {5, false, "Sending...", S::Idle, 1},
                  {500, false, "- Rx -", S::Idle, 1},
              });
    // The option changed to "Once" while waiting ends the repetition.
    FakeStation changed;
    CBeaconCycle later(changed.Host());
    later.SetOption(CBeaconCycle::Every);
    later.SetText(QStringLiteral("x"));
    later.Start(kT0);
    RunScript(later, changed, {{0.1, true, "Starting...", S::Sending, 1}, {5, false, "Sending...", S::Waiting, 1}});
    later.SetOption(CBeaconCycle::Once);
    RunScript(later, changed, {{6, false, "Waiting...", S::Idle, 1}, {100, false, "- Rx -", S::Idle, 1}});
}

TEST(BeaconCycle, IntervalsAreHeldToTheirRanges)
{
    const struct {
        const char* text;
        int every;
        int after;
    } cases[] = {
        // Nothing or no number: the defaults, never back to back.
        {"", 1, 30},      {"abc", 1, 30}, {" ", 1, 30},
        // 0 and below: the shortest interval.
        {"0", 1, 1},      {"-5", 1, 1},
        {"7", 7, 7},      {" 12 ", 12, 12}, {"999", 999, 999}, {"1000", 999, 999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CBeaconCycle::EveryMinutes(QString::fromLatin1(c.text)), c.every) << c.text;
        EXPECT_EQ(CBeaconCycle::AfterSeconds(QString::fromLatin1(c.text)), c.after) << c.text;
    }
    // "Repeat after 0 seconds" still leaves a second to listen.
    FakeStation station;
    CBeaconCycle cycle(station.Host());
    cycle.SetOption(CBeaconCycle::After);
    cycle.SetAfter(QStringLiteral("0"));
    cycle.SetText(QStringLiteral("x"));
    cycle.Start(kT0);
    using S = CBeaconCycle;
    RunScript(cycle, station,
              {
                  {0.1, true, "Starting...", S::Sending, 1},
                  {10, false, "Sending...", S::Waiting, 1},
                  {10.1, false, "Waiting... 00:00:00", S::Waiting, 1},
                  {11, false, "Waiting...", S::Starting, 2},
              });
    // Every 0 minutes means every minute.
    FakeStation every;
    CBeaconCycle blank(every.Host());
    blank.SetOption(CBeaconCycle::Every);
    blank.SetEvery(QString());
    blank.SetText(QStringLiteral("x"));
    blank.Start(kT0);
    RunScript(blank, every,
              {
                  {0.1, true, "Starting...", S::Sending, 1},
                  {10, false, "Sending...", S::Waiting, 1},
                  {10, false, "Waiting... 00:00:50", S::Waiting, 1},
              });
}

TEST(BeaconCycle, CountdownTexts)
{
    const struct {
        qint64 seconds;
        const char* text;
    } cases[] = {
        {0, "Waiting... 00:00:00"},        {20, "Waiting... 00:00:20"},
        {3599, "Waiting... 00:59:59"},     {3600, "Waiting... 01:00:00"},
        // 999 minutes less 40 seconds of sending; hours are not taken modulo 24.
        {999 * 60 - 40, "Waiting... 16:38:20"}, {100000, "Waiting... 27:46:40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CBeaconCycle::WaitingText(c.seconds), QString::fromLatin1(c.text));
    FakeStation station;
    CBeaconCycle cycle(station.Host());
    cycle.SetOption(CBeaconCycle::Every);
    cycle.SetEvery(QStringLiteral("999"));
    cycle.SetText(QStringLiteral("x"));
    cycle.Start(kT0);
    station.transmitting = true;
    cycle.Tick(kT0);
    station.transmitting = false;
    cycle.Tick(kT0.addSecs(40));
    EXPECT_EQ(cycle.Tick(kT0.addSecs(40)), QStringLiteral("Waiting... 16:38:20"));
}

class BeaconDialog : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        ToolsFixture::SetUp();
        m_parent.setWindowTitle(QStringLiteral("Channel 2"));
    }
    CBeaconDlg* Open(const QString& txText = QStringLiteral("from the transmit window"))
    {
        m_dialog = std::make_unique<CBeaconDlg>(&m_parent, txText, nullptr);
        m_dialog->SetHost(m_station.Host());
        m_dialog->SetClock([this] { return m_now; });
        m_dialog->show();
        QCoreApplication::processEvents();
        return m_dialog.get();
    }
    bool Enabled(int id) const { return m_dialog->Button(id)->isEnabled(); }
    QWidget m_parent;
    FakeStation m_station;
    QDateTime m_now = kT0;
    std::unique_ptr<CBeaconDlg> m_dialog;
};

TEST_F(BeaconDialog, StartsFromTheTransmitTextAndRemembersOnStartOnly)
{
    CBeaconDlg* dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Beacon: Channel 2"));
    EXPECT_EQ(dialog->TextEdit()->toPlainText(), QStringLiteral("from the transmit window"));
    EXPECT_EQ(dialog->EveryEdit()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->AfterEdit()->text(), QStringLiteral("30"));
    EXPECT_TRUE(dialog->OptionButton(0)->isChecked());
    EXPECT_EQ(dialog->EveryEdit()->maxLength(), 3);
    int lower = 0, upper = 0;
    dialog->EverySpin()->GetRange(lower, upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 999);
    dialog->AfterSpin()->GetRange(lower, upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 999);
    EXPECT_EQ(dialog->GetStatusText(), QStringLiteral("- Rx -"));

    // Typing an interval picks its option.
    QTest::keyClicks(dialog->AfterEdit(), QStringLiteral("5"));
    EXPECT_TRUE(dialog->OptionButton(CBeaconCycle::After)->isChecked());
    dialog->EveryEdit()->selectAll();
    QTest::keyClicks(dialog->EveryEdit(), QStringLiteral("2"));
    EXPECT_TRUE(dialog->OptionButton(CBeaconCycle::Every)->isChecked());
    // So does an arrow of a spin.
    dialog->AfterSpin()->Step(true);
    EXPECT_TRUE(dialog->OptionButton(CBeaconCycle::After)->isChecked());
    EXPECT_EQ(dialog->AfterEdit()->text(), QStringLiteral("306"));

    // Cancel keeps nothing.
    dialog->OnCancel();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CBeaconDlg::m_strCont")), QString());

    // Start keeps all four, the text without the tag it sends.
    dialog = Open();
    dialog->OptionButton(CBeaconCycle::After)->setChecked(true);
    dialog->AfterEdit()->setText(QStringLiteral("45"));
    dialog->TextEdit()->setPlainText(QStringLiteral("CQ de QT9XVK\nbeacon"));
    dialog->OnStart();
    EXPECT_EQ(m_station.sent, QStringList{QStringLiteral("CQ de QT9XVK\nbeacon[stop]")});
    EXPECT_EQ(dialog->GetStatusText(), QStringLiteral("Starting..."));
    const CRegistry registry;
    EXPECT_EQ(registry.GetInt(QStringLiteral("CBeaconDlg::m_nOption"), -1), 2);
    EXPECT_EQ(registry.GetString(QStringLiteral("CBeaconDlg::m_strEvery")), QStringLiteral("1"));
    EXPECT_EQ(registry.GetString(QStringLiteral("CBeaconDlg::m_strCont")), QStringLiteral("45"));
    EXPECT_EQ(registry.GetString(QStringLiteral("CBeaconDlg::m_strText")), QStringLiteral("CQ de QT9XVK\nbeacon"));
    dialog->OnCancel();

    // The next opening takes the remembered values, not the transmit text.
    dialog = Open(QStringLiteral("other"));
    EXPECT_EQ(dialog->TextEdit()->toPlainText(), QStringLiteral("CQ de QT9XVK\nbeacon"));
    EXPECT_TRUE(dialog->OptionButton(CBeaconCycle::After)->isChecked());
    EXPECT_EQ(dialog->AfterEdit()->text(), QStringLiteral("45"));
}

TEST_F(BeaconDialog, ButtonsFollowTheTextAndTheCycle)
{
    CBeaconDlg* dialog = Open(QString());
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_START));
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_SAVE));
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_STOP));
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_OPEN));
    dialog->TextEdit()->setPlainText(QStringLiteral("beacon"));
    dialog->OnTimer();
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_START));
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_SAVE));
    dialog->OptionButton(CBeaconCycle::Every)->setChecked(true);
    qobject_cast<QAbstractButton*>(dialog->Button(CBeaconDlg::IDC_START))->click();
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_START));
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_STOP));
    // Through a whole cycle the dialog's own timer steps it.
    m_station.transmitting = true;
    QTest::qWait(3 * CBeaconDlg::kTimerMs);
    EXPECT_EQ(dialog->GetStatusText(), QStringLiteral("Sending..."));
    m_now = kT0.addSecs(40);
    m_station.transmitting = false;
    QTest::qWait(3 * CBeaconDlg::kTimerMs);
    EXPECT_EQ(dialog->GetStatusText(), QStringLiteral("Waiting... 00:00:20"));
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_START));
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_STOP));
    m_now = kT0.addSecs(60);
    QTest::qWait(3 * CBeaconDlg::kTimerMs);
    EXPECT_EQ(m_station.sent.size(), 2);
    qobject_cast<QAbstractButton*>(dialog->Button(CBeaconDlg::IDC_STOP))->click();
    EXPECT_EQ(m_station.stops, 1);
    EXPECT_TRUE(Enabled(CBeaconDlg::IDC_START));
    EXPECT_FALSE(Enabled(CBeaconDlg::IDC_STOP));
    EXPECT_EQ(dialog->GetStatusText(), QStringLiteral("- Rx -"));
    m_now = kT0.addSecs(600);
    QTest::qWait(2 * CBeaconDlg::kTimerMs);
    EXPECT_EQ(m_station.sent.size(), 2);
}

TEST_F(BeaconDialog, TextFilesOfferTheBeaconNameAndAFailedSaveKeepsTheOldFile)
{
    CBeaconDlg* dialog = Open(QStringLiteral("line one\nline two"));
    const QString path = testsupport::dataFolder() + QStringLiteral("/beacon.txt");
    testsupport::prompter().m_files.push_back(path);
    qobject_cast<QAbstractButton*>(dialog->Button(CBeaconDlg::IDC_SAVE))->click();
    ASSERT_EQ(testsupport::prompter().m_chooserPaths.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_chooserPaths[0], QStringLiteral("PSK31 Beacon.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("line one\r\nline two"));
    file.close();

    dialog->TextEdit()->clear();
    testsupport::prompter().m_files.push_back(path);
    qobject_cast<QAbstractButton*>(dialog->Button(CBeaconDlg::IDC_OPEN))->click();
    EXPECT_EQ(testsupport::prompter().m_chooserPaths.value(1), QStringLiteral("PSK31 Beacon.txt"));
    EXPECT_EQ(dialog->TextEdit()->toPlainText(), QStringLiteral("line one\nline two"));

    // A text too long for the disk: reported, and the old file stays whole.
    QString big;
    for (int i = 0; i < 4000; ++i)
        big += QString(60, QLatin1Char('a' + i % 26)) + QLatin1Char('\n');
    dialog->TextEdit()->setPlainText(big);
    testsupport::prompter().m_files.push_back(path);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    dialog->OnSave();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("Error writing ")))
        << testsupport::prompter().m_boxes[0].text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("line one\r\nline two"));
}

} // namespace
