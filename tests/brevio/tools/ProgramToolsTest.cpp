// The macros and tags in the running program: start-up loads both files,
// the main frame's bars show them, a receive window's Ctrl+digit reaches the
// macros bar; and a picture of the main window for people to look at.
#include "ToolsFixture.h"

#include "platform/DataFolder.h"
#include "platform/Sleeper.h"
#include "brevio/core/AboutDialog.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxTextSender.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/AlarmList.h"
#include "brevio/display/AlarmsDlg.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/tools/MacroBulkEdit.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/MacrosBar.h"
#include "brevio/tools/MacrosManagerDialog.h"
#include "brevio/tools/TagsBar.h"
#include "brevio/tools/TagsManagerDialog.h"
#include "shared/Registry.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#ifdef DSP_SCRIPTED
#include "brevio/core/stub/ScriptedDspControl.h"

namespace {

class ProgramTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        Macros().RemoveAll();
        Tags().SetDefaults();
        InstallDisplayComponents();
        InstallToolComponents();
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
        PskComponents() = CPskComponents();
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        Macros().RemoveAll();
        Tags().SetDefaults();
        Alarms().RemoveAll();
        platform::setProgram(platform::corvaneIdentity());
    }
    // The operator's files from an earlier run.
    static void WriteOperatorFiles()
    {
        CMacroStore macros;
        macros.Add(QStringLiteral("CQ call"), QStringLiteral("CQ"),
                   {QStringLiteral("CQ CQ CQ de <My Callsign> <My Callsign> pse k")}, true, false, true, false, 1,
                   false);
        macros.Add(QStringLiteral("Reply"), QStringLiteral("Reply"),
                   {QStringLiteral("<Callsign> de <My Callsign> - hello <Name>, your RST is <Sent>")}, false, false,
                   false, false, 1, false);
        macros.Add(QStringLiteral("Station"), QStringLiteral("Station"),
                   {QStringLiteral("Rig: <My Rig>, antenna: <My Antenna>, locator <My Locator>")}, false, false,
                   false, false, 1, false);
        macros.Add(QStringLiteral("Goodbye"), QStringLiteral("73"),
                   {QStringLiteral("73 <Name>, <Callsign> de <My Callsign> sk")}, false, false, true, false, 1, false);
        macros.SaveDefault();
        CTagStore tags;
        tags.SetDefaults();
        tags.SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
        tags.SetValue(QStringLiteral("My Locator"), QStringLiteral("IO91WM"), -1);
        tags.SetValue(QStringLiteral("My Rig"), QStringLiteral("FT-817"), -1);
        tags.SaveDefault();
        CRegistry().WriteInt(QStringLiteral("CTagsBar::m_bShowOwn"), 1);
    }
    platform::FakeSleeper m_sleeper;
};

TEST_F(ProgramTools, StartUpLoadsBothFilesIntoTheBars)
{
    WriteOperatorFiles();

    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    ASSERT_TRUE(dsp.IsLoaded());
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
        *pnLayout = 1;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    frame->resize(1100, 760);
    frame->show();
    (void)QTest::qWaitForWindowExposed(frame);
    QCoreApplication::processEvents();

    auto* macrosBar = dynamic_cast<CMacrosBar*>(frame->GetMacrosBar());
    auto* tagsBar = dynamic_cast<CTagsBar*>(frame->GetTagsBar());
    ASSERT_NE(macrosBar, nullptr);
    ASSERT_NE(tagsBar, nullptr);
    EXPECT_EQ(Macros().GetCount(), 4);
    EXPECT_EQ(macrosBar->GetList()->item(3)->text(), QStringLiteral("[0] CQ"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Callsign"), -1), QStringLiteral("QT9XVK"));
    EXPECT_TRUE(tagsBar->IsShowOwn());

    // The operator fills in the other station's values in the tags bar.
    tagsBar->SetTagValue(QStringLiteral("Callsign"), QStringLiteral("G0ABC"));
    tagsBar->SetTagValue(QStringLiteral("Name"), QStringLiteral("Ann"));
    tagsBar->SetTagValue(QStringLiteral("Sent"), QStringLiteral("599"));

    // Ctrl+1 in channel 1 sends the second listed macro through the bar.
    CFormRx* form = frame->GetChannelWindow(0);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(TheApp().GetChannelFrame(0)->isVisible());
    frame->GetMdiArea()->setActiveSubWindow(TheApp().GetChannelFrame(0));
    PostRegisteredMessage(macrosBar, RegisteredMessage::nMsgSelectMacro, 0, 1);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->GetTxWindow()->Sender().Text(), QStringLiteral("G0ABC de QT9XVK - hello Ann, your RST is 599"));
    QCoreApplication::processEvents();

    const QString gallery = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(gallery);
    const QPixmap window = QGuiApplication::platformName() == QStringLiteral("xcb")
                               ? frame->screen()->grabWindow(frame->winId())
                               : frame->grab();
    window.save(gallery + QStringLiteral("/brevio-macros-tags.png"));
}

// The operator's macros file where a folder stands, and the tags file saved
// by an editor as UTF-16: the start tells both in one box, asks nothing of
// the tags before they were edited, and leaves both files as they were.
TEST_F(ProgramTools, StartWithMacrosAndTagsItCannotReadShowsOneBoxNamingBoth)
{
    const QString macrosPath = CMacroStore::DefaultPath();
    const QString tagsPath = CTagStore::DefaultPath();
    QFile::remove(macrosPath);
    ASSERT_TRUE(QDir().mkpath(macrosPath));
    const QByteArray latin1 = "#\r\n100 Rig\r\n102 1\r\n103 1\r\n104 0\r\n106 FT-817 5 W\r\n-@-\r\n#@filetype=0";
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : latin1)
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    {
        QFile file(tagsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(utf16);
    }
    const auto tagsBytes = [&] {
        QFile file(tagsPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    ASSERT_TRUE(dsp.IsLoaded());
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
    // The start-up dialog itself, taking its choices as a launcher script does.
    qputenv("BREVIO_AUTOSTART", "1");
    testsupport::prompter().clear();
    const bool started = TheApp().InitInstance({QStringLiteral("brevio")});
    qunsetenv("BREVIO_AUTOSTART");
    ASSERT_TRUE(started);
    auto* tagsBar = dynamic_cast<CTagsBar*>(TheApp().GetMainFrame()->GetTagsBar());
    ASSERT_NE(tagsBar, nullptr);
    // What the start left for the Tags bar to save, saved now.
    tagsBar->SaveIfNeeded();

    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1) << boxes.value(boxes.size() - 1).text.toStdString();
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("\"%1\" could not be read: ").arg(QDir::toNativeSeparators(macrosPath))))
        << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.endsWith(
        QStringLiteral("\n\"%1\" is not a tag definitions file: it holds no tags.\nNothing was loaded from these files.")
            .arg(QDir::toNativeSeparators(tagsPath))))
        << boxes[0].text.toStdString();
    EXPECT_EQ(Macros().GetCount(), 0);
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Rig"), -1), QString());

    // Saves later still leave both alone, and say so.
    testsupport::prompter().clear();
    EXPECT_FALSE(Macros().SaveDefault());
    EXPECT_FALSE(Tags().SaveDefault());
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_TRUE(QFileInfo(macrosPath).isDir());
    EXPECT_EQ(tagsBytes(), utf16);
    ASSERT_TRUE(QDir().rmdir(macrosPath));
    QFile::remove(tagsPath);
}

// Under a real display with CORVANE_SCREENSHOT_DIR set, the macro, tag and
// alarm windows and the About box are photographed on the operator's files
// (docs/ holds these, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24'
//     build/tests/brevio_tools_tests --gtest_filter='ProgramTools.Screenshots').
TEST_F(ProgramTools, Screenshots)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    WriteOperatorFiles();
    testsupport::ScriptedDsp dsp(DSP_SCRIPTED);
    ASSERT_TRUE(dsp.IsLoaded());
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_SCRIPTED));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
        *pnLayout = 1;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    frame->resize(1100, 760);
    frame->show();
    (void)QTest::qWaitForWindowExposed(frame);
    // The start-up read the (empty) alarms file; a few of the operator's.
    Alarms().RemoveAll();
    Alarms().Add(1, QStringLiteral("DX call"), QStringLiteral("\\bVP8\\w+"), QStringLiteral("Falklands"),
                 CAlarm::kBeep | CAlarm::kHighlight, QString(), QString());
    Alarms().Add(1, QStringLiteral("My call"), QStringLiteral("QT9XVK"), QStringLiteral("Someone calls me"),
                 CAlarm::kSpeak | CAlarm::kAddChannel, QString(), QStringLiteral("Call"));
    Alarms().Add(0, QStringLiteral("Contest"), QStringLiteral("\\bTEST\\b"), QString(), CAlarm::kHighlight, QString(),
                 QString());
    auto photograph = [&dir](QWidget& w, const char* name) {
        w.show();
        QTest::qWait(600);
        QCoreApplication::processEvents();
        const QRect r = w.frameGeometry();
        const QPixmap shot = w.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
    };
    {
        CMacrosManagerDialog manager(frame, Macros());
        manager.show();
        manager.List()->SelectItem(1, true);
        photograph(manager, "brevio-macros-manager");
    }
    {
        const CMacro* reply = Macros().FindByTitle(QStringLiteral("Reply"));
        ASSERT_NE(reply, nullptr);
        QStringList titles;
        for (int i = 0; i < Macros().GetCount(); ++i)
            titles << Macros().GetAt(i)->GetTitle();
        CMacroEditorDialog editor(frame, reply->GetTitle(), reply->GetShortTitle(), reply->GetLines(),
                                  reply->IsEraseFirst(), reply->IsAlwaysPrompt(), reply->IsSendNow(),
                                  reply->IsSuperBrowserOnly(), reply->IsLeaveHisInfoEmpty(), titles,
                                  reply->IsEnabled());
        photograph(editor, "brevio-macro-editor");
    }
    {
        CMacroBulkEdit bulk(frame, true);
        bulk.show();
        bulk.FindEdit()->setText(QStringLiteral("<My Callsign>"));
        bulk.ReplaceEdit()->setText(QStringLiteral("QT9XVK/P"));
        photograph(bulk, "brevio-macro-bulk-edit");
    }
    {
        CTagsManagerDialog manager(frame, Tags());
        photograph(manager, "brevio-tags-manager");
    }
    {
        CAlarmsDlg alarms(frame);
        photograph(alarms, "brevio-alarms");
    }
    {
        CAboutDialog about(frame);
        photograph(about, "brevio-about");
    }
}

} // namespace

#endif
