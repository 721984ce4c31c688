#include "brevio/core/ChannelMenus.h"

#include "brevio/core/MainFrame.h"

#include <QMenu>
#include <QMenuBar>

namespace {
QMenu* FindPopup(QMenuBar* bar, const QString& strTitle)
{
    for (QAction* a : bar->actions()) {
        QString text = a->text();
        text.remove(QLatin1Char('&'));
        if (a->menu() && text.toLower() == strTitle)
            return a->menu();
    }
    return nullptr;
}

void AddItems(QMenu& popup, QMenu* source)
{
    if (!source)
        return;
    for (QAction* a : source->actions()) {
        if (a->isSeparator() || a->text().isEmpty())
            popup.addSeparator();
        else
            popup.addAction(a);
    }
}
} // namespace

void BuildPopupFromMainMenu(QMenu& popup, const QString& strFirst)
{
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return;
    // The entries are the main menu's: they show their commands' state now.
    frame->UpdateCommandStates();
    QMenuBar* bar = frame->menuBar();
    AddItems(popup, FindPopup(bar, strFirst));
    popup.addSeparator();
    AddItems(popup, FindPopup(bar, QStringLiteral("edit")));
}
