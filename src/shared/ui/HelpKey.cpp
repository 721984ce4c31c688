#include "shared/ui/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<CHelpKey>& installed()
{
    static QPointer<CHelpKey> key;
    return key;
}
} // namespace

CHelpKey::CHelpKey(std::function<void()> run) : QObject(QCoreApplication::instance()), m_run(std::move(run)) {}

void CHelpKey::Install(std::function<void()> run)
{
    delete installed().data();
    if (!run || !QCoreApplication::instance())
        return;
    installed() = new CHelpKey(std::move(run));
    QCoreApplication::instance()->installEventFilter(installed());
}

bool CHelpKey::IsInstalled()
{
    return !installed().isNull();
}

bool CHelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Held down, the key would open the guide again and again.
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat() && m_run) {
                const auto run = m_run;  // the guide's message box may end this filter
                run();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
