#include "shared/MainWindow.h"

#include <QApplication>
#include <QMainWindow>

QWidget* GetMainWindow()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && !w->isHidden())
            return w;
    return nullptr;
}
