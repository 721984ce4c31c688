#pragma once
// Helpers of the organisers' widget tests: acting on a modal dialog once it
// runs, and a receiver that records registered messages.
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

namespace orgtest {

// Runs the action on the first modal window of type T that comes up.
template <class T>
void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

// Records the registered messages it receives.
class Receiver : public QObject {
public:
    struct Message {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
    };
    bool event(QEvent* e) override
    {
        if (e->type() >= QEvent::User) {
            auto* m = static_cast<CRegisteredEvent*>(e);
            messages.append({m->message(), m->wParam(), m->lParam()});
            return true;
        }
        return QObject::event(e);
    }
    QList<Message> messages;
};

} // namespace orgtest
