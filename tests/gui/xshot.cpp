// xshot FILE.png: the whole X display (DISPLAY) into a PNG file. Exits 0 once
// written; 1 when the display cannot be reached or the file not written.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 || arguments[1] == QLatin1String("--help")) {
        err << "usage: xshot FILE.png\n";
        return arguments.size() == 2 ? 0 : 1;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (shot.isNull()) {
        err << "xshot: no picture of the display\n";
        return 1;
    }
    if (!shot.save(arguments[1], "PNG")) {
        err << "xshot: cannot write " << arguments[1] << "\n";
        return 1;
    }
    return 0;
}
