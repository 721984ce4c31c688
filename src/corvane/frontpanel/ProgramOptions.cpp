#include "corvane/frontpanel/ProgramOptions.h"

#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/ChartView.h"
#include "corvane/frontpanel/ColourSchemes.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "corvane/frontpanel/SMeterChartSheet.h"
#include "corvane/frontpanel/VolumeDialog.h"

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

    // The sheet opens on the page it showed last unless the command names one.
    const struct {
        unsigned nId;
        int nPage;
    } commands[] = {{CRadioMainFrame::ID_PROGRAM_OPTIONS, -1},
                    {CRadioMainFrame::ID_SPEECH_OPTIONS, COptionsSheet::kVarious},
                    {CRadioMainFrame::ID_COLOUR_SCHEMES, COptionsSheet::kSchemes}};
    for (const auto& c : commands) {
        const int nPage = c.nPage;
        CRadioMainFrame::RegisterModalCommand(c.nId, [nPage](CRadioMainFrame* pFrame) {
            RunProgramOptions(pFrame, nPage);
        });
    }
    CRadioMainFrame::ToolWindow volume;
    volume.create = [](CRadioMainFrame* pFrame) -> QWidget* {
        return new CVolumeDialog(pFrame);
    };
    CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_VOLUME, volume);
}
