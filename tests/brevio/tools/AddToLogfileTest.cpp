// The Add To Logfile dialog: the record as edited is what is logged, and its
// check box switches the confirmation off (on Add only). In the running
// program both the channel windows and the Super Browser use it.
#include "ToolsFixture.h"

#include "platform/Sleeper.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/PSK31App.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/SuperView.h"
#include "brevio/tools/AddToLogfileDialog.h"
#include "brevio/tools/options/PSK31Options.h"
#include "brevio/tools/options/PSK31PageLogbook.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class AddToLogfile : public testsupport::ToolsFixture {
protected:
    int Run(QString& record) { return PskComponents().runAddToLogfile(Frame(), record); }
    QCheckBox* SheetConfirm()
    {
        auto* sheet = dynamic_cast<CPSK31Options*>(Frame()->GetOptionsSheet());
        EXPECT_NE(sheet, nullptr);
        if (!sheet)
            return nullptr;
        for (QCheckBox* box : sheet->GetLogbookPage()->findChildren<QCheckBox*>())
            if (GetDlgCtrlID(box) == CPSK31PageLogbook::IDC_CONFIRM)
                return box;
        return nullptr;
    }
};

TEST_F(AddToLogfile, TheEditedRecordIsWhatComesBack)
{
    ASSERT_TRUE(PskComponents().runAddToLogfile);
    CurrentSettings().m_bLogbookConfirm = 1;
    QString shown;
    bool optionsOffered = true;
    Next<CAddToLogfileDialog>([&](CAddToLogfileDialog& d) {
        shown = d.RecordEdit()->toPlainText();
        optionsOffered = d.OptionsButton()->isEnabled();
        EXPECT_TRUE(d.ConfirmCheck()->isChecked());
        EXPECT_EQ(d.ConfirmCheck()->text(), QStringLiteral("&Confirm entry before adding to logbook"));
        d.RecordEdit()->setPlainText(QStringLiteral("<call:5>G4ABC\n<EOR>"));
        d.OnOK();
    });
    QString record = QStringLiteral("<call:5>G0ABC<EOR>");
    EXPECT_EQ(Run(record), 1);
    EXPECT_EQ(m_dialogTitles, QStringList{QStringLiteral("Add To Logfile")});
    EXPECT_EQ(shown, QStringLiteral("<call:5>G0ABC<EOR>"));
    // Lines end as in the logbook files.
    EXPECT_EQ(record, QStringLiteral("<call:5>G4ABC\r\n<EOR>"));
    EXPECT_FALSE(optionsOffered);
    EXPECT_EQ(CurrentSettings().m_bLogbookConfirm, 1);
}

TEST_F(AddToLogfile, ClearingTheCheckSwitchesConfirmationOffOnAddOnly)
{
    CurrentSettings().m_bLogbookConfirm = 1;
    CurrentSettings().Save();
    QCheckBox* sheetConfirm = SheetConfirm();
    ASSERT_NE(sheetConfirm, nullptr);
    auto* sheet = dynamic_cast<CPSK31Options*>(Frame()->GetOptionsSheet());
    sheet->LoadAllPages();
    EXPECT_TRUE(sheetConfirm->isChecked());

    const struct {
        bool add;
        int answer;
        int confirmAfter;
    } paths[] = {{false, 0, 1}, {true, 1, 0}};
    for (const auto& path : paths) {
        SCOPED_TRACE(path.add ? "Add" : "Cancel");
        CurrentSettings().m_bLogbookConfirm = 1;
        Next<CAddToLogfileDialog>([&](CAddToLogfileDialog& d) {
            d.ConfirmCheck()->setChecked(false);
            path.add ? d.OnOK() : d.OnCancel();
        });
        QString record = QStringLiteral("<call:5>G0ABC<EOR>");
        EXPECT_EQ(Run(record), path.answer);
        EXPECT_EQ(record, QStringLiteral("<call:5>G0ABC<EOR>"));
        EXPECT_EQ(CurrentSettings().m_bLogbookConfirm, path.confirmAfter);
        // Saved, and the Logbook page shows it.
        CPSK31Settings stored;
        stored.SetDefaults();
        stored.Load();
        EXPECT_EQ(stored.m_bLogbookConfirm, path.confirmAfter);
        EXPECT_EQ(sheetConfirm->isChecked(), path.confirmAfter != 0);
    }
}

#ifdef DSP_SCRIPTED

// The program on the scripted engine with the display and tools installed.
class LogfileInTheProgram : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        ToolsFixture::SetUp();
        platform::Sleeper::setInstance(&m_sleeper);
        InstallDisplayComponents();
        InstallToolComponents();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
            *pnLayout = 1;
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        if (TheApp().GetMainFrame())
            fnStopSoundCard();
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        ToolsFixture::TearDown();
    }
    platform::FakeSleeper m_sleeper;
};

TEST_F(LogfileInTheProgram, ChannelAndSuperBrowserLogThroughTheDialog)
{
    const QString log = testsupport::dataFolder() + QStringLiteral("/log.adi");
    QDir().mkpath(testsupport::dataFolder());
    CPSK31Settings& s = CurrentSettings();
    s.m_bLogbookEnable1 = 1;
    s.m_strLogbookFile1 = log;
    s.m_bLogbookConfirm = 1;
    s.Save();
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    frame->show();
    CFormRx* form = frame->GetChannelWindow(0);
    ASSERT_NE(form, nullptr);
    Tags().SetValue(QStringLiteral("Callsign"), QStringLiteral("G0ABC"), -1);

    // Cancelled: nothing logged.
    Next<CAddToLogfileDialog>([](CAddToLogfileDialog& d) { d.OnCancel(); });
    form->OnCommand(33634);
    EXPECT_FALSE(QFile::exists(log));
    // Added with an edit: the edit is logged.
    QString shown;
    Next<CAddToLogfileDialog>([&](CAddToLogfileDialog& d) {
        shown = d.RecordEdit()->toPlainText();
        d.RecordEdit()->setPlainText(shown.replace(QStringLiteral("G0ABC"), QStringLiteral("G0ABD")));
        d.OnOK();
    });
    form->OnCommand(33634);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("<call:5>G0ABD<name:0>")));
    QByteArray bytes = FileBytes(log);
    EXPECT_TRUE(bytes.startsWith("<call:5>G0ABD<name:0>")) << bytes.constData();
    EXPECT_TRUE(bytes.endsWith("<EOR>\r\n\r\n"));

    // The Super Browser's logbook command: the check cleared on Add ...
    ISuperView* super = TheApp().GetSuperView();
    ASSERT_NE(super, nullptr);
    Next<CAddToLogfileDialog>([](CAddToLogfileDialog& d) {
        d.ConfirmCheck()->setChecked(false);
        d.OnOK();
    });
    const int dialogsBefore = int(m_dialogTitles.size());
    ASSERT_TRUE(super->OnCommand(CSuperView::IDC_LOGBOOK));
    EXPECT_EQ(int(m_dialogTitles.size()), dialogsBefore + 1);
    EXPECT_EQ(s.m_bLogbookConfirm, 0);
    EXPECT_EQ(FileBytes(log).count("<call:5>G0AB"), 2);
    // ... and the next contact goes without the dialog.
    form->OnCommand(33634);
    EXPECT_EQ(int(m_dialogTitles.size()), dialogsBefore + 1);
    bytes = FileBytes(log);
    EXPECT_EQ(bytes.count("<call:5>G0AB"), 3);

    // A logbook file that cannot take the entry keeps what it had, and says so.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = rlim_t(bytes.size() + 10);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    form->OnCommand(33634);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(FileBytes(log), bytes);
    auto* frameRx = qobject_cast<CFrameRx*>(TheApp().GetChannelFrame(0));
    ASSERT_NE(frameRx, nullptr);
    EXPECT_EQ(frameRx->GetStatusText(), QStringLiteral("Logbook error: ") + log);
}

#endif

} // namespace
