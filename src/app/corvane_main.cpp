#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/MemoryToolsWiring.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/organisers/BandsAndScans.h"
#include "corvane/organisers/Logbook.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Program.h"
#include "shared/artwork/ToolbarIcons.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::setProgram(platform::corvaneIdentity());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QApplication::setApplicationName(platform::program().name);
    QApplication::setWindowIcon(artwork::applicationIcon());

    InstallFrontPanel();
    InstallMainFrame();
    InstallMemoryTools();
    InstallProgramOptions();
    InstallOrganisers();
    InstallBandsAndScans();
    InstallLogbook();
    CRadioApp radioApp;
    // A refused second copy, a cancelled start-up or a frame that cannot be
    // made end the program here.
    if (!radioApp.InitInstance()) {
        radioApp.ExitInstance();
        return 0;
    }
    const int result = app.exec();
    radioApp.ExitInstance();
    return result;
}
