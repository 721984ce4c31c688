#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

QString ShbChildItemMimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"Shortcut bar child window item\"");
}

CShbMessage::CShbMessage(unsigned nMessage, uintptr_t wParam_, intptr_t lParam_)
    : QEvent(Type()), message(nMessage), wParam(wParam_), lParam(lParam_)
{
    setAccepted(false);
}

QEvent::Type CShbMessage::Type()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

intptr_t SendShbMessage(QWidget* pTarget, unsigned nMessage, uintptr_t wParam, intptr_t lParam)
{
    if (!pTarget)
        return 0;
    CShbMessage msg(nMessage, wParam, lParam);
    QCoreApplication::sendEvent(pTarget, &msg);
    return msg.result;
}

void PostShbMessage(QWidget* pTarget, unsigned nMessage, uintptr_t wParam, intptr_t lParam)
{
    if (pTarget)
        QCoreApplication::postEvent(pTarget, new CShbMessage(nMessage, wParam, lParam));
}

unsigned ShbControlId(const QWidget* pWnd)
{
    return pWnd ? pWnd->property("controlId").toUInt() : 0;
}

void ShbSetControlId(QWidget* pWnd, unsigned nId)
{
    if (pWnd)
        pWnd->setProperty("controlId", nId);
}
