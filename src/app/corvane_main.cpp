#include "core/RadioApp.h"
#include "platform/Program.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    platform::setProgram(platform::corvaneIdentity());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QApplication::setApplicationName(platform::program().name);

    CRadioApp radioApp;
    // A second copy brings the running one forward and ends, unless the
    // command line allows several.
    if (!radioApp.CheckSingleInstance(CBaseApp::HasMultiOk(QCoreApplication::arguments()), false))
        return 0;

    QMainWindow window;
    window.setWindowTitle(platform::program().name);
    window.resize(1024, 700);
    window.show();
    const int result = app.exec();
    radioApp.ExitInstance();
    return result;
}
