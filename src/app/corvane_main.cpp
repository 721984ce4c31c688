#include "platform/Program.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    platform::setProgram(platform::corvaneIdentity());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QApplication::setApplicationName(platform::program().name);
    QMainWindow window;
    window.setWindowTitle(platform::program().name);
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
