#include "shared/ui/FocusReturn.h"

#include "shared/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
QPointer<CFocusReturn>& installed()
{
    static QPointer<CFocusReturn> watcher;
    return watcher;
}

bool Usable(const QWidget* w)
{
    return w && w->isVisible() && !w->isMinimized();
}

// Menus, tooltips and the like come and go without the keyboard being theirs.
bool IsOrdinaryWindow(const QWidget* w)
{
    switch (w->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        return true;
    default:
        return false;
    }
}
} // namespace

CFocusReturn::CFocusReturn() : QObject(QCoreApplication::instance()) {}

void CFocusReturn::Install()
{
    if (installed() || !QCoreApplication::instance())
        return;
    installed() = new CFocusReturn;
    QCoreApplication::instance()->installEventFilter(installed());
}

bool CFocusReturn::IsInstalled()
{
    return !installed().isNull();
}

QWidget* CFocusReturn::ReturnTarget(QWidget* pOwner)
{
    for (QWidget* w = pOwner ? pOwner->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (Usable(w))
            return w;
    }
    QWidget* main = GetMainWindow();
    return Usable(main) ? main : nullptr;
}

bool CFocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            m_lastActive = static_cast<QWidget*>(watched);
        break;
    case QEvent::ApplicationStateChange:
        // The operator went to another program: nothing of ours has the keys.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            m_lastActive.clear();
        break;
    case QEvent::Hide: {
        if (!watched->isWidgetType())
            break;
        auto* window = static_cast<QWidget*>(watched);
        // The window loses the keyboard as it hides, before this: the one
        // that had it last is the one that closes with it.
        if (!window->isWindow() || !IsOrdinaryWindow(window) || window != m_lastActive)
            break;
        m_lastActive.clear();
        // Once the closing is over: the owner may be closing in the same go
        // (a dialog ended by the answer to its message box).
        QPointer<QWidget> owner(window->parentWidget() ? window->parentWidget()->window() : nullptr);
        QTimer::singleShot(0, this, [this, owner] {
            if (m_lastActive && Usable(m_lastActive))
                return;
            if (QWidget* target = ReturnTarget(owner))
                target->activateWindow();
        });
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
