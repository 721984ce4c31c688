#pragma once
// FT-817 Corvane running whole on the FT-817 simulator, every part of the
// program installed, with a local HTTP server as its DX-spot server: the
// fixture of the tests that drive the program through its menus.
#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "corvane/core/LocalHttpServer.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/MemoryToolsWiring.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/organisers/BandsAndScans.h"
#include "corvane/organisers/DxClusterDialog.h"
#include "corvane/organisers/Logbook.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "support/Simulator.h"
#include "OrganiserTestSupport.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orgtest {

// A spot line as the DX-spot server writes it.
inline QString spotLine(const QString& spotter, const QString& frequency, const QString& dx, const QString& comment,
                        const QString& time)
{
    const QString head = spotter.leftJustified(17 - frequency.size(), QLatin1Char(' ')) + frequency;
    return head.leftJustified(18, QLatin1Char(' ')) + dx.leftJustified(12, QLatin1Char(' ')) +
           comment.leftJustified(30, QLatin1Char(' ')) + time;
}

inline QByteArray dxPage()
{
    return QStringLiteral("<HTML>\n<H4>DX spots on 40m</H4>\n<PRE>%1\n%2\n%3\n</PRE>\n</HTML>\n")
        .arg(spotLine("G4ABC", "7025.3", "VP8LP", "Falklands CW", "1203 12 Mar"),
             spotLine("DL1XYZ", "7012", "3Y0J", "Bouvet", "1201 12 Mar"),
             spotLine("OH2BH", "7155.", "ZS6WAB", "SSB pile-up", "1159 12 Mar"))
        .toLatin1();
}

// One command of the menu bar: the menu path, its text and its action.
struct MenuItem {
    QString path;
    QString text;
    QAction* action;
};

inline void collectMenu(QMenu* menu, const QString& path, QMap<unsigned, MenuItem>& items)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu()) {
            collectMenu(a->menu(), path + " > " + a->text(), items);
            continue;
        }
        items.insert(a->property("commandId").toUInt(), {path, a->text(), a});
    }
}

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.sMeter = 7;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        qputenv("CORVANE_EXTRA_PORTS", sim->portPath().toLocal8Bit());
        const CRegistry registry;
        registry.WriteString("Startup port", sim->portPath());
        registry.WriteString("Startup speed", "38400");
        registry.WriteBool("CStartup::m_bAuto", 0);
        registry.WriteInt("CDisplaySize::m_eSize", 1);
        registry.WriteString(CDxClusterDialog::HostValueName(),
                             QStringLiteral("127.0.0.1:%1").arg(server.url("").section(':', -1)));
        server.body = dxPage();
        InstallFrontPanel();
        InstallMainFrame();
        InstallMemoryTools();
        InstallProgramOptions();
        InstallOrganisers();
        InstallBandsAndScans();
        InstallLogbook();
        app = std::make_unique<CRadioApp>();
        whenModal<CStartup>([](CStartup* startup) { startup->OnConnect(); });
        ASSERT_TRUE(app->InitInstance());
        frame = qobject_cast<CRadioMainFrame*>(app->GetMainFrame());
        ASSERT_NE(frame, nullptr);
        frame->showNormal();
        frame->setGeometry(20, 20, 1200, 820);
        view = GetDisplayView();
        ASSERT_NE(view, nullptr);
        QTest::qWait(300);
    }
    void TearDown() override
    {
        if (frame) {
            GetSettings().m_bPowerDown = 0;
            frame->close();
        }
        app.reset();
        CPanelFrameServices::InstallDefaults();
        qunsetenv("CORVANE_EXTRA_PORTS");
        platform::Sleeper::setInstance(nullptr);
    }
    QMap<unsigned, MenuItem> menuItems() const
    {
        QMap<unsigned, MenuItem> items;
        for (QAction* a : frame->menuBar()->actions())
            if (a->menu())
                collectMenu(a->menu(), a->text(), items);
        return items;
    }
    // Tunes the radio and waits until the panel shows it.
    void tune(uint32_t hz, uint8_t mode)
    {
        app->GetCatLink().SetFrequencyInMode(hz, mode);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->GetFrequency() == hz && (view->GetMode() & 0x7F) == mode; }, 5000));
    }

    platform::FakeSleeper sleeper;
    webtest::LocalHttpServer server;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    CRadioMainFrame* frame = nullptr;
    CDisplayView* view = nullptr;
};

} // namespace orgtest
