// Every item of FT-817 Corvane's menu bar, chosen in the running program on
// the FT-817 simulator: each enabled item must be seen to do what it is for.
// A table names each item with the effect it must have; an effect detector
// compares the program before and after the item and lists everything that
// changed (windows and dialogs that came up, bars shown or hidden, check
// marks, frames the radio received, settings written, message boxes and
// file choosers, pages handed to the desktop, words handed to the speech
// engine, the active child window, a new front panel). An enabled item with
// no row, or whose row's effect does not show, fails.
#include "ProgramFixture.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/SelectionBar.h"
#include "platform/SettingsStore.h"
#include "shared/ShellOpen.h"
#include "shared/HtmlHelp.h"
#include "shared/MapiMail.h"
#include "shared/PrintSetup.h"
#include "shared/ui/BaseDialog.h"
#include "support/ScriptedPrompter.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <optional>

namespace {

// Takes the web pages and mail the program hands to the desktop, so that
// nothing outside the test starts.
class DesktopCatcher : public QObject {
    Q_OBJECT
public:
    DesktopCatcher()
    {
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~DesktopCatcher() override
    {
        for (const char* scheme : {"http", "https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    Q_INVOKABLE void Open(const QUrl& url) { opened << url.toString(); }
    QStringList opened;
};

// The desktop's mail program, as far as the support e-mail asks for it.
class MailProgram : public CMapiMail::MailClient {
public:
    explicit MailProgram(DesktopCatcher& desktop) : m_desktop(desktop) {}
    QString Unavailable() override { return {}; }
    bool HasEntry(const QString&) override { return true; }
    bool Open(const QUrl& url) override
    {
        m_desktop.Open(url);
        return true;
    }

private:
    DesktopCatcher& m_desktop;
};

// Notes every modal window as it shows, also one that does its work and
// closes before a timer could see it.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(QStringList& shown) : m_shown(shown) { qApp->installEventFilter(this); }
    ~ModalWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && w->isModal())
                m_shown << QString::fromLatin1(w->metaObject()->className());
        }
        return false;
    }

private:
    QStringList& m_shown;
};

class MenuItems : public orgtest::ProgramFixture {
protected:
    void SetUp() override
    {
        // Add Desktop Icon writes to a desktop folder of the test's own.
        desktopFolder = QDir::tempPath() + QStringLiteral("/Desktop");
        QDir().mkpath(desktopFolder);
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QDir().mkpath(config);
        QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(QStringLiteral("XDG_DESKTOP_DIR=\"%1\"\n").arg(desktopFolder).toUtf8());
        dirs.close();

        orgtest::ProgramFixture::SetUp();
        CMapiMail::SetMailClient(&mail);
        CShellOpen::SetOpener([this](const QUrl& url, const platform::OpenFailed&) { desktop.Open(url); });
        CPrintSetup::SetRunner([this](QPageSetupDialog& dialog) {
            modals << QStringLiteral("QPageSetupDialog");
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        orgtest::ProgramFixture::TearDown();
        CPrintSetup::SetRunner(nullptr);
        CShellOpen::SetOpener(nullptr);
        CMapiMail::SetMailClient(nullptr);
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs"));
    }

    // What the detector compares.
    struct Snapshot {
        QSet<QWidget*> windows;
        QMap<QString, bool> bars;
        std::optional<bool> checked;
        qsizetype frames = 0;
        QMap<QString, QVariant> settings;
        qsizetype boxes = 0;
        qsizetype choosers = 0;
        qsizetype pages = 0;
        QString spoken;
        QMdiSubWindow* activeChild = nullptr;
        QSet<QMdiSubWindow*> children;
        CDisplayView* panel = nullptr;
        bool chart = false;
        qsizetype modals = 0;
    };

    QMap<QString, bool> bars() const
    {
        QMap<QString, bool> shown;
        for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
            shown.insert(dock->objectName(), dock->isVisible());
        for (QToolBar* bar : frame->findChildren<QToolBar*>())
            shown.insert(bar->objectName(), bar->isVisible());
        return shown;
    }
    static QMap<QString, QVariant> settings()
    {
        platform::SettingsStore::sync();
        QMap<QString, QVariant> values;
        for (const QString& name : platform::SettingsStore::valueNames(CRegistry::Section()))
            values.insert(name, platform::SettingsStore::value(CRegistry::Section(), name));
        return values;
    }
    static QSet<QWidget*> visibleWindows()
    {
        QSet<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << w;
        return shown;
    }
    // The tick the program's own update gives the command (none when it
    // gives none): a checkable menu item ticks itself when chosen, so the
    // item's look alone would show a change where the program made none.
    std::optional<bool> checkState(unsigned nId) const
    {
        CCmdUI ui;
        ui.m_nID = nId;
        app->OnUpdateCommand(ui);
        frame->OnUpdateCommand(ui);
        if (!ui.m_bCheckSet)
            return std::nullopt;
        return ui.m_nCheck != 0;
    }
    Snapshot snapshot(unsigned nId) const
    {
        Snapshot s;
        s.windows = visibleWindows();
        s.bars = bars();
        s.checked = checkState(nId);
        s.frames = sim->frames().size();
        s.settings = settings();
        s.boxes = testsupport::prompter().m_boxes.size();
        s.choosers = testsupport::prompter().m_chooserCaptions.size();
        s.pages = desktop.opened.size();
        s.spoken = app->GetRequestWorker().GetLastSpokenText();
        s.activeChild = frame->GetMdiClient()->activeSubWindow();
        const QList<QMdiSubWindow*> children = frame->GetMdiClient()->subWindowList();
        s.children = QSet<QMdiSubWindow*>(children.begin(), children.end());
        s.panel = GetDisplayView();
        s.chart = chartShowing();
        s.modals = modals.size();
        return s;
    }
    // Everything that differs from the snapshot, one text per change.
    QStringList effectsSince(const Snapshot& before, unsigned nId)
    {
        QStringList seen;
        for (qsizetype i = before.modals; i < modals.size(); ++i)
            seen << QStringLiteral("modal:") + modals[i];
        for (QWidget* w : visibleWindows())
            if (!before.windows.contains(w))
                seen << QStringLiteral("window:") + QString::fromLatin1(w->metaObject()->className());
        const QMap<QString, bool> nowBars = bars();
        for (auto it = nowBars.begin(); it != nowBars.end(); ++it)
            if (before.bars.value(it.key(), !it.value()) != it.value())
                seen << QStringLiteral("bar:") + it.key();
        if (const std::optional<bool> checked = checkState(nId); checked && checked != before.checked)
            seen << QStringLiteral("check");
        const QList<QByteArray> frames = sim->frames();
        for (qsizetype i = before.frames; i < frames.size(); ++i) {
            const QByteArray& f = frames[i];
            // Reads (the polls among them) change nothing.
            static const QByteArray reads = QByteArray::fromHex("03BBE7F7");
            if (f.size() != 5 || reads.contains(f[4]))
                continue;
            const QString opcode = QString::fromLatin1(f.mid(4, 1).toHex().toUpper());
            seen << QStringLiteral("frame:") + opcode;
            if (f[4] == char(0xBC))
                seen << QStringLiteral("frame:BC@") + QString::fromLatin1(f.left(2).toHex().toUpper());
        }
        const QMap<QString, QVariant> nowSettings = settings();
        for (auto it = nowSettings.begin(); it != nowSettings.end(); ++it)
            if (!before.settings.contains(it.key()) || before.settings.value(it.key()) != it.value())
                seen << QStringLiteral("setting:") + it.key();
        const auto& boxes = testsupport::prompter().m_boxes;
        for (qsizetype i = before.boxes; i < boxes.size(); ++i)
            seen << QStringLiteral("box:%1: %2").arg(boxes[i].caption, boxes[i].text);
        const QStringList& choosers = testsupport::prompter().m_chooserCaptions;
        for (qsizetype i = before.choosers; i < choosers.size(); ++i)
            seen << QStringLiteral("chooser:") + choosers[i];
        for (qsizetype i = before.pages; i < desktop.opened.size(); ++i)
            seen << QStringLiteral("page:") + desktop.opened[i];
        const QString spoken = app->GetRequestWorker().GetLastSpokenText();
        if (spoken != before.spoken)
            seen << QStringLiteral("speech:") + spoken;
        QMdiSubWindow* active = frame->GetMdiClient()->activeSubWindow();
        if (active && active != before.activeChild)
            seen << QStringLiteral("child:") + active->windowTitle();
        for (QMdiSubWindow* child : frame->GetMdiClient()->subWindowList())
            if (!before.children.contains(child))
                seen << QStringLiteral("new child:") + child->windowTitle();
        if (GetDisplayView() != before.panel)
            seen << QStringLiteral("panel");
        else if (chartShowing() != before.chart)
            seen << QStringLiteral("chart");
        return seen;
    }

    bool chartShowing() const
    {
        auto* display = qobject_cast<CDisplayFrame*>(frame->GetDisplayFrame());
        return display && display->IsChartShowing();
    }

    // A word the speech engine has said, so the next one is seen as new.
    void speakMarker()
    {
        static int n = 0;
        const QString marker = QStringLiteral("marker %1").arg(++n);
        app->GetRequestWorker().QueueRequest(CRequestWorker::REQUEST_SPEAK, nullptr, 0, marker);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app->GetRequestWorker().GetLastSpokenText() == marker; }, 10000));
    }

    QString desktopFolder;
    DesktopCatcher desktop;
    MailProgram mail{desktop};
    QStringList modals;
    ModalWatcher watcher{modals};
};

} // namespace

// The table: each item and what it must be seen to do, in menu order (some
// rows first set up what their item needs, as Undo a tuning to undo). Left
// out: File > Exit, which ends the program, and Tools > PSK31 Brevio, which
// starts the other program, an outside program this test must not start.
TEST_F(MenuItems, EveryEnabledItemDoesWhatItIsFor)
{
    using Id = CRadioMainFrame;
    const QSet<unsigned> leftOut{57665u /* Exit */, Id::ID_PSK31};
    struct Row {
        unsigned id;
        QString effect;  // the beginning of one of the detector's texts
        std::function<void()> prepare = {};
        const char* whyItMayBeDisabled = nullptr;
    };
    // Beside the program the guide's items open it at their topic; the test
    // program has no guide beside it, so there they say it is missing.
    const QString guide = CHtmlHelp().GetPath();
    const QString help = QFileInfo::exists(guide) ? QStringLiteral("page:") + QUrl::fromLocalFile(guide).toString()
                                                  : QStringLiteral("box:Error: Error starting \"") + guide + "\"";
    auto activate = [this](CMDIChildWnd* child) {
        ASSERT_NE(child, nullptr);
        frame->GetMdiClient()->setActiveSubWindow(child);
    };
    const Row rows[] = {
        {CRadioApp::ID_PRINT_SETUP, "modal:QPageSetupDialog"},
        // Tuning from the panel gives Undo something to step back.
        {Id::ID_UNDO, "frame:01", [] {
             GetDisplayView()->TuneFromDial(7012000);
             ASSERT_TRUE(QTest::qWaitFor([] { return GetDisplayView()->GetFrequency() == 7012000; }, 5000));
         }},
        {Id::ID_REDO, "frame:01"},
        {Id::ID_VIEW_SELECTION, "bar:SCBar-123"},
        {Id::ID_VIEW_SMETER_HISTORY, "chart"},
        {Id::ID_VIEW_QUICK_SAVE, "bar:QuickSaveBar"},
        {Id::ID_VIEW_LOGBOOK_TOOLBAR, "bar:LogbookToolBar"},
        {Id::ID_FINE_TUNING, "window:CFineTuningDialog"},
        {Id::ID_SIZE_SMALL, "panel"},
        {Id::ID_SIZE_MEDIUM, "panel"},
        {Id::ID_SIZE_LARGE, "panel"},
        {Id::ID_COLOUR_SCHEMES, "modal:COptionsSheet"},
        {Id::ID_FULL_SCREEN, "window:CFullScreenDialog"},
        {Id::ID_RADIO_DISPLAY, "child:", [&] { activate(frame->GetIoLogFrame()); }},
        {Id::ID_LOGBOOK_DISPLAY, "new child:Logbook"},
        {Id::ID_IOLOG_DISPLAY, "child:", [&] { activate(frame->GetDisplayFrame()); }},
        {Id::ID_FAVOURITES_ADD, "modal:CAddFavouriteDialog"},
        {CRadioApp::ID_FAVOURITES_MANAGER, "modal:CManageFavouritesDialog"},
        {Id::ID_FAVOURITES_MARKERS, "setting:Settings m_bFaveMarkers"},
        {Id::ID_FAVOURITES_DISPLAY, "bar:SCBar-123", [this] { frame->GetNavigatorBar()->GetBarWindow()->hide(); }},
        {Id::ID_BANDS_DISPLAY, "setting:Control Bar Group"},
        {Id::ID_BANDS_MANAGER, "modal:CCustomBandsManagerDialog"},
        {Id::ID_MEMORY_DISPLAY, "setting:Control Bar Group"},
        {Id::ID_MEMORY_MANAGER, "modal:CMemoryManagerDialog"},
        {Id::ID_MEMORY_SAVE, "modal:CMemoryManagerDialog"},
        {Id::ID_MEMORY_RELOAD, "modal:CLoadingMemoryDialog"},
        {Id::ID_MEMORY_ANALYSER, "window:CMemoryAnalyserDialog"},
        {Id::ID_MEMORY_BROWSER, "window:CMemoryBrowserDialog"},
        {Id::ID_SCAN_BAND, "window:CScanBandDialog"},
        {Id::ID_SCAN_MEMORY, "window:CScanMemoryDialog"},
        // Stop is there while the radio scans.
        {Id::ID_SCAN_STOP, "frame:BC@0079", [this] {
             app->GetCatLink().WriteEepromBits(0x79, 0x60, 0x20, QString());
             ASSERT_TRUE(QTest::qWaitFor([] { return GetDisplayView()->IsScanning(); }, 5000));
         }},
        {CMainFrame::ID_VFO_MEMORY_ANALYZER, "window:CVfoMemoryAnalyzerDialog"},
        {CRadioApp::ID_TRACE_ALL_COMMS, "check"},
        {Id::ID_DESKTOP_ICON, "box:Add Icon", [this] {
             ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), desktopFolder)
                 << "no icon on the desktop of whoever runs the test";
         }},
        {Id::ID_CALIBRATION, "modal:CCalibrationDialog"},
        {CRadioApp::ID_COMMAND_ENTRY, "modal:CCommandEntryDialog"},
        {Id::ID_CLONE_SAVE, "modal:CCloneSaveDialog"},
        {Id::ID_CLONE_LOAD, "modal:CCloneLoadDialog"},
        {Id::ID_CW_SETTINGS, "window:CCWSettingsDialog"},
        {Id::ID_CW_SPEED, "window:CCWSpeedDialog"},
        {Id::ID_DX_CLUSTER, "window:CDxClusterDialog"},
        {Id::ID_ENTER_FREQUENCY, "window:CFrequencyEntryDialog"},
        {Id::ID_FST, "frame:BC@0057"},
        {Id::ID_LOCK, "frame:00"},
        {Id::ID_REPEATER, "window:CRepeaterSheet"},
        {Id::ID_TRANSMIT, "modal:CTransmitDialog"},
        {Id::ID_TRANSVERTER, "window:CTransverterDisplay"},
        {Id::ID_VOLUME, "window:CVolumeDialog", {}, "only with a sound-card mixer"},
        {Id::ID_MENU_MANAGER, "modal:CMenuManager"},
        {Id::ID_PROGRAM_OPTIONS, "modal:COptionsSheet"},
        {CRadioApp::ID_STRESS_TEST, "modal:CStressTestDialog"},
        {Id::ID_SPEECH_FREQUENCY, "speech:", [this] { speakMarker(); }},
        {Id::ID_SPEECH_FREQUENCY_MODE, "speech:", [this] { speakMarker(); }},
        {Id::ID_SPEECH_AUTO, "speech:Auto announce", [this] { speakMarker(); }},
        {Id::ID_SPEECH_FULL, "speech:", [this] { speakMarker(); }},
        {Id::ID_SPEECH_OUT_OF_BAND, "speech:Out of band", [this] { speakMarker(); }},
        {Id::ID_SPEECH_OPTIONS, "modal:COptionsSheet"},
        {Id::ID_SPEECH_READER, "page:http"},
        {Id::ID_SPEECH_TTS, "page:http"},
        {CRadioApp::ID_HELP_CONTENTS, help},
        {CRadioApp::ID_HELP_INDEX, help},
        {CRadioApp::ID_HELP_SEARCH, help},
        {CRadioApp::ID_SUPPORT_EMAIL, "page:mailto:"},
        {CRadioApp::ID_USERGROUP, "page:https:"},
        {CRadioApp::ID_MAKER_WEB, "page:https:"},
        {CRadioApp::ID_APP_ABOUT, "modal:CAboutDialog"},
    };

    // The table and the menu bar cover each other.
    {
        frame->UpdateFrameCommands();
        const QMap<unsigned, orgtest::MenuItem> items = menuItems();
        QSet<unsigned> inTable;
        for (const Row& row : rows) {
            inTable << row.id;
            EXPECT_TRUE(items.contains(row.id)) << row.id << " has a row but no menu item";
        }
        for (auto it = items.begin(); it != items.end(); ++it)
            EXPECT_TRUE(inTable.contains(it.key()) || leftOut.contains(it.key()))
                << (it->path + " > " + it->text).toStdString() << " (" << it.key() << ") has no row";
    }

    int tried = 0;
    for (const Row& row : rows) {
        const QMap<unsigned, orgtest::MenuItem> items = menuItems();
        if (!items.contains(row.id))
            continue;
        const QString command = items[row.id].path + " > " + items[row.id].text;
        SCOPED_TRACE(command.toStdString());
        if (row.prepare)
            row.prepare();
        QApplication::processEvents();
        frame->UpdateFrameCommands();
        QAction* action = items[row.id].action;
        if (!action->isEnabled()) {
            EXPECT_NE(row.whyItMayBeDisabled, nullptr) << "disabled";
            continue;
        }
        const Snapshot before = snapshot(row.id);
        // Modal dialogs are noted and sent away as they come up.
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->QDialog::done(QDialog::Rejected);
            else
                modal->close();
        });
        watchdog.start(20);
        action->trigger();
        QStringList seen;
        const QString& expected = row.effect;
        const bool done = QTest::qWaitFor([&] {
            seen = effectsSince(before, row.id);
            for (const QString& effect : seen)
                if (effect.startsWith(expected))
                    return true;
            return false;
        }, 3000);
        watchdog.stop();
        if (qEnvironmentVariableIsSet("MENU_TRACE"))
            fprintf(stderr, "%s: %s\n", qPrintable(command), qPrintable(seen.join(QStringLiteral(", "))));
        ++tried;
        EXPECT_TRUE(done) << command.toStdString() << " should show " << row.effect.toStdString() << "; seen: "
                          << (seen.isEmpty() ? QStringLiteral("nothing") : seen.join(QStringLiteral(", "))).toStdString();
        // Windows it opened are closed again.
        for (QWidget* w : visibleWindows())
            if (!before.windows.contains(w) && w != frame)
                w->close();
        QApplication::processEvents();
    }
    EXPECT_GT(tried, 50);
}

#include "MenuItemsProgramTest.moc"
