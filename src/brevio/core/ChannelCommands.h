#pragma once
// The channel windows' entries of the main menu: the "Tx", "Rx" and "Edit"
// popups whose commands go to the active channel window.
#include <QString>
#include <functional>

class QAction;
class QMenu;

using AddCommandFn = std::function<QAction*(QMenu* pMenu, int nCommand, const QString& strText, bool bCheckable)>;
void AddChannelMenus(QMenu* pTx, QMenu* pRx, QMenu* pEdit, const AddCommandFn& add);
