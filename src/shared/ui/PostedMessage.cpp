#include "shared/ui/PostedMessage.h"

#include <QCoreApplication>

void PostMessageTo(QObject* target, unsigned nMsg, uintptr_t wParam, intptr_t lParam)
{
    if (!target || nMsg == 0)
        return;
    QCoreApplication::postEvent(target, new CPostedMessage(nMsg, wParam, lParam));
}

bool SendMessageTo(QObject* target, unsigned nMsg, uintptr_t wParam, intptr_t lParam)
{
    if (!target || nMsg == 0)
        return false;
    CPostedMessage message(nMsg, wParam, lParam);
    return QCoreApplication::sendEvent(target, &message);
}
