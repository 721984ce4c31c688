#pragma once
// The option sheets' tests: the global options back at their defaults for
// every test, and a way to answer the modal dialogs the pages open.
#include "corvane/core/Settings.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace optionstest {

// Acts on the next modal dialog of type T as soon as it is up; gives up
// after about ten seconds.
template <class T>
void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, tries] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (++*tries > 1000) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

inline void resetOptions()
{
    GetSettings() = CSettings();
}

} // namespace optionstest
