#pragma once
// Fonts of the front panel by the family names the panel's design uses,
// falling back to the closest installed sans-serif or fixed-pitch family.
#include <QFont>
#include <QString>

QFont PanelFont(const QString& strFamily, int nPoints, bool bBold = false);
