#include "frontpanel/ProgramOptions.h"

#include "core/RadioApp.h"
#include "frontpanel/ChartView.h"
#include "frontpanel/ColourSchemes.h"
#include "frontpanel/SMeterChartSettings.h"
#include "frontpanel/SMeterChartSheet.h"

void InstallProgramOptions()
{
    CRadioApp::Services& services = CRadioApp::GetServices();
    services.applyPresetScheme = [](const QString& strScheme, CSettings& settings) {
        ApplyPresetScheme(strScheme, settings);
    };
    services.loadChartSettings = [] { GetSMeterChartSettings().Load(); };
    CChartView::SetOptionsHandler([](CChartView* pView) {
        CSMeterChartSheet sheet(QStringLiteral("Chart Options"), pView, 0);
        sheet.DoModal();
    });
}
