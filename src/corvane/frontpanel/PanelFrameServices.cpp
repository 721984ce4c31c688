#include "corvane/frontpanel/PanelFrameServices.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyEntryDialog.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QPointer>
#include <QToolBar>

namespace {
QPointer<COwnComboBox> g_stepCombo;
QPointer<CFrequencyEntryDialog> g_entry;

COwnComboBox* defaultStepCombo()
{
    if (g_stepCombo)
        return g_stepCombo;
    CMainFrame* frame = GetMainFrame();
    if (frame) {
        auto* bar = frame->addToolBar(QStringLiteral("Tuning step"));
        bar->setObjectName(QStringLiteral("TuningStepBar"));
        g_stepCombo = new COwnComboBox(bar);
        g_stepCombo->setMinimumContentsLength(8);
        g_stepCombo->setToolTip(QStringLiteral("Tuning step"));
        bar->addWidget(g_stepCombo);
    } else {
        // No main window (a panel on its own): a list nobody sees.
        g_stepCombo = new COwnComboBox;
    }
    return g_stepCombo;
}

void defaultEnterFrequency(int nDigit, int nTarget)
{
    if (!g_entry)
        g_entry = new CFrequencyEntryDialog(GetMainFrame());
    if (nTarget >= 0)
        g_entry->SetTarget(nTarget);
    g_entry->showNormal();
    g_entry->Refill();
    g_entry->raise();
    g_entry->activateWindow();
    if (nDigit >= 0)
        g_entry->TypeDigit(nDigit);
}
} // namespace

CPanelFrameServices& CPanelFrameServices::Get()
{
    static CPanelFrameServices services = [] {
        CPanelFrameServices s;
        s.stepCombo = defaultStepCombo;
        s.transverterFrequency = [](uint32_t) {};
        s.enterFrequency = defaultEnterFrequency;
        return s;
    }();
    return services;
}

void CPanelFrameServices::InstallDefaults()
{
    Get().stepCombo = defaultStepCombo;
    Get().transverterFrequency = [](uint32_t) {};
    Get().enterFrequency = defaultEnterFrequency;
}

void InstallFrontPanel()
{
    CRadioApp::Services& services = CRadioApp::GetServices();
    services.templates[CRadioApp::IDR_DISPLAY] = CMultiDocTemplate::Classes{
        [] { return new CDisplayDoc; }, [] { return new CDisplayFrame; }, [] { return new CDisplayView; }};
    if (!services.loadChartSettings)
        services.loadChartSettings = [] { GetSMeterChartSettings().Load(); };
    static bool chained = false;
    if (chained)
        return;
    chained = true;
    // Menu commands of the front panel reach the open panel through the application.
    auto previous = services.command;
    services.command = [previous](unsigned nId) {
        if (CDisplayView* view = GetDisplayView(); view && view->HandleCommand(int(nId)))
            return true;
        return previous ? previous(nId) : false;
    };
    auto previousUpdate = services.updateCommand;
    services.updateCommand = [previousUpdate](CCmdUI& cmdUI) {
        if (CDisplayView* view = GetDisplayView())
            view->OnUpdateCommand(cmdUI);
        if (previousUpdate)
            previousUpdate(cmdUI);
    };
}
