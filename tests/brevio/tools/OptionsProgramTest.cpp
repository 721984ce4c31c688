// The options sheet in the running program on the real engine: the main
// frame's commands show and hide it, and an apply changes only what it
// should (the sound card restarts for its own values and the wave files,
// never for an unrelated change).
#include "OptionsFixture.h"

#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/tools/ToolComponents.h"
#include "brevio/tools/options/PSK31PageDisplay.h"
#include "brevio/tools/options/PSK31PageSoundcard.h"
#include "brevio/tools/options/PSK31PageWavefiles.h"
#include "shared/Registry.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/PageSelectorList.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QDir>
#include <QPushButton>

#ifdef DSP_LIBRARY_REAL

using testsupport::prompter;

namespace {

// Records the registered messages a window is sent.
class Listener : public QObject {
public:
    explicit Listener(QObject* target) { target->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (auto* r = CRegisteredEvent::As(e, RegisteredMessage::nMsgOptions))
            m_lParams << int(r->lParam());
        return false;
    }
    QList<int> m_lParams;
};

class OptionsInTheProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        QDir().mkpath(testsupport::dataFolder());
        m_card = testsupport::dataFolder() + QStringLiteral("/card.wav");
        m_input = testsupport::dataFolder() + QStringLiteral("/input.wav");
        ASSERT_TRUE(testsupport::WriteSilence(m_card, 80000));
        ASSERT_TRUE(testsupport::WriteSilence(m_input, 8000));
        // A recording stands in for the sound card.
        qputenv("PSKMODEM117_SOUNDCARD_FILE", m_card.toLocal8Bit());
        InstallToolComponents();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        if (TheApp().GetMainFrame()) {
            fnStopSoundCard();
            TheApp().GetMainFrame()->close();
        }
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        PskComponents() = CPskComponents();
        qunsetenv("PSKMODEM117_SOUNDCARD_FILE");
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
    }
    static void Process()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    static int CardStarts() { return int(TheApp().GetLogView()->toPlainText().count(QStringLiteral("Starting soundcard"))); }

    platform::FakeSleeper m_sleeper;
    QString m_card;
    QString m_input;
};

} // namespace

TEST_F(OptionsInTheProgram, CommandsShowAndHideTheSheetOnItsPages)
{
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    auto* sheet = dynamic_cast<CPSK31Options*>(frame->GetOptionsSheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), CPSK31Options::Caption());
    EXPECT_TRUE(sheet->IsOptionsInitialised());
    EXPECT_FALSE(sheet->isVisible());
    frame->OnCommand(32784);  // "&Options"
    Process();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->GetActiveIndex(), CPSK31Options::kAutosave);
    frame->OnCommand(32784);
    EXPECT_FALSE(sheet->isVisible());

    // A channel window's logbook command with no logbook file enabled.
    prompter().m_answers.push_back(platform::IDYES);
    frame->ShowOptionsPage(CPSK31Options::kLogbook);
    Process();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->GetActiveIndex(), CPSK31Options::kLogbook);
    CPageSelectorList* list = sheet->GetPageList();
    EXPECT_EQ(list->GetText(list->GetCurSel()), QStringLiteral("Logbook 1"));
    frame->OnCommand(33563);  // "Soundcard options"
    Process();
    EXPECT_EQ(sheet->GetActiveIndex(), CPSK31Options::kSoundcard);

    // Closed and restarted: the last page comes back.
    sheet->close();
    frame->OnCommand(32784);
    Process();
    EXPECT_EQ(sheet->GetActiveIndex(), CPSK31Options::kSoundcard);
    TheApp().GetMainFrame()->close();
    TheApp().DestroyWindows();
    EXPECT_EQ(GetRegistry().GetInt(CPSK31Options::SelectPageValue(), -1), CPSK31Options::kSoundcard);
}

TEST_F(OptionsInTheProgram, OnlySoundCardAndWaveValuesRestartTheCard)
{
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    auto* sheet = dynamic_cast<CPSK31Options*>(frame->GetOptionsSheet());
    ASSERT_NE(sheet, nullptr);
    frame->ShowOptionsPage(CPSK31Options::kWavefiles);
    Process();
    const int started = CardStarts();
    ASSERT_GE(started, 1);

    // Input from a file: nothing happens until the page's own Apply.
    CPSK31PageWavefiles* wave = sheet->GetWavefilesPage();
    prompter().m_files.push_back(m_input);
    qobject_cast<QPushButton*>(wave->GetDlgItem(CPSK31PageWavefiles::IDC_INPUT_BROWSE))->click();
    qobject_cast<QAbstractButton*>(wave->GetDlgItem(CPSK31PageWavefiles::IDC_INPUT_ENABLE))->click();
    Process();
    EXPECT_EQ(CardStarts(), started);
    wave->GetApplyButton()->click();
    Process();
    EXPECT_EQ(CardStarts(), started + 1);
    const QString log = TheApp().GetLogView()->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("Input file ...: ") + m_input)) << log.toStdString();
    EXPECT_EQ(CurrentSettings().m_bInputEnable, 1);

    // Unrelated changes leave the card (and the file being read) alone.
    qobject_cast<QAbstractButton*>(sheet->GetDisplayPage()->GetDlgItem(CPSK31PageDisplay::IDC_GRID))->click();
    Process();
    EXPECT_EQ(CurrentSettings().m_bDisplayGrid, 0);
    EXPECT_EQ(CardStarts(), started + 1);
    sheet->GetSoundcardPage()->GetClockSpin()->Step(true);
    Process();
    EXPECT_EQ(CurrentSettings().m_nSoundcardClockAdjust, 100);
    EXPECT_EQ(CardStarts(), started + 1);

    // A sound-card value restarts it.
    qobject_cast<QAbstractButton*>(sheet->GetSoundcardPage()->GetDlgItem(CPSK31PageSoundcard::IDC_ECHO_INPUT))
        ->click();
    Process();
    EXPECT_EQ(CardStarts(), started + 2);
}

TEST_F(OptionsInTheProgram, ShowRadioFrequencyRebuildsEveryWindowButTheFrame)
{
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    auto* sheet = dynamic_cast<CPSK31Options*>(frame->GetOptionsSheet());
    ASSERT_NE(sheet, nullptr);
    CFormRx* channel = frame->GetChannelWindow(0);
    ASSERT_NE(channel, nullptr);
    Listener onFrame(frame);
    Listener onChannel(channel);
    qobject_cast<QAbstractButton*>(sheet->GetDisplayPage()->GetDlgItem(CPSK31PageDisplay::IDC_REAL_FREQUENCY))
        ->click();
    EXPECT_EQ(onFrame.m_lParams, QList<int>{0});
    EXPECT_EQ(onChannel.m_lParams, (QList<int>{0, 1}));
    EXPECT_EQ(CurrentSettings().m_bDisplayRealFrequency, 1);
}

#endif
