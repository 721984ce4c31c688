#pragma once
// The popup menus of the channel text windows, built from the main window's
// menus so that their commands reach the active channel.
#include <QString>

class QMenu;

// The items of the main menu's popup titled strFirst (compared without "&"
// and in lower case), a separator, then the items of its "edit" popup.
void BuildPopupFromMainMenu(QMenu& popup, const QString& strFirst);
