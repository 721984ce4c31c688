#include "brevio/core/ChannelCommands.h"

#include <QMenu>

void AddChannelMenus(QMenu* pTx, QMenu* pRx, QMenu* pEdit, const AddCommandFn& add)
{
    pTx->addSeparator();
    add(pTx, 32801, QStringLiteral("&Transmit"), true);
    add(pTx, 32799, QStringLiteral("Transmit with &Autostop"), true);
    add(pTx, 32797, QStringLiteral("E&rase All"), false);
    add(pTx, 32803, QStringLiteral("&Open File"), false);
    add(pTx, 33573, QStringLiteral("Select a &Macro"), false);
    pTx->addSeparator();
    add(pTx, 33556, QStringLiteral("&Lock Frequency"), true);
    add(pTx, 33465, QStringLiteral("Add &CW Ident"), true);
    add(pTx, 33485, QStringLiteral("Beaco&n"), false);
    pTx->addSeparator();
    add(pTx, 33345, QStringLiteral("La&yout"), false);
    add(pTx, 33552, QStringLiteral("PTT"), false);

    add(pRx, 32783, QStringLiteral("&Erase All"), false);
    add(pRx, 32804, QStringLiteral("Save To File"), false);
    add(pRx, 32806, QStringLiteral("File Viewer"), false);
    add(pRx, 33634, QStringLiteral("Add To Logfile"), false);
    pRx->addSeparator();
    add(pRx, 33486, QStringLiteral("&Autoscroll New Text"), true);
    add(pRx, 33478, QStringLiteral("Prev Signal"), false);
    add(pRx, 33479, QStringLiteral("Next Signal"), false);
    pRx->addSeparator();
    add(pRx, 33346, QStringLiteral("&Layout"), false);
    add(pRx, 33349, QStringLiteral("A&utosave"), false);

    add(pEdit, 57634, QStringLiteral("&Copy"), false);
    add(pEdit, 57635, QStringLiteral("Cu&t"), false);
    add(pEdit, 57637, QStringLiteral("&Paste"), false);
}
