#include "platform/Program.h"
#include "shared/artwork/ToolbarIcons.h"
#include "brevio/core/PSK31App.h"
#include "brevio/display/DisplayComponents.h"
#include "brevio/tools/ToolComponents.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::setProgram(platform::brevioIdentity());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QApplication::setApplicationName(platform::program().name);
    QApplication::setWindowIcon(artwork::applicationIcon());
    QApplication::setQuitOnLastWindowClosed(true);
    InstallDisplayComponents();
    InstallToolComponents();
    CPSK31App& theApp = TheApp();
    if (!theApp.InitInstance(QApplication::arguments())) {
        theApp.ExitInstance();
        return 0;
    }
    const int result = app.exec();
    theApp.ExitInstance();
    theApp.DestroyWindows();
    return result;
}
