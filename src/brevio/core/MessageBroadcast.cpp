#include "brevio/core/MessageBroadcast.h"

#include "shared/RegisteredEvent.h"

#include <QPointer>
#include <QWidget>

void SendMessageToDescendants(QWidget* pRoot, uint32_t nMsg, uintptr_t wParam, intptr_t lParam, bool bIncludeRoot)
{
    if (!pRoot)
        return;
    // A handler may delete windows; guarded pointers skip those.
    QList<QPointer<QWidget>> targets;
    if (bIncludeRoot)
        targets.append(pRoot);
    const auto children = pRoot->findChildren<QWidget*>();
    for (QWidget* w : children)
        targets.append(w);
    for (const QPointer<QWidget>& w : targets)
        if (w)
            SendRegisteredMessage(w, nMsg, wParam, lParam);
}
