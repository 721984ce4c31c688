#pragma once
// Toolbar pictures by name. The desktop's standard actions ("document-open",
// "edit-undo", ...) come from the desktop's icon theme when it has them, so
// the programs look like the rest of the desktop; every other picture, and
// every standard one the theme lacks, is our own drawing (res/icons/<name>.svg,
// drawn for 20 x 20 and 40 x 40).
#include <QIcon>
#include <QString>

namespace artwork {

// Whether the name is one of the desktop's standard action names we use.
bool isStandardAction(const QString& name);

// The picture of that name; null when there is none at all.
QIcon toolbarIcon(const QString& name);

// Tests look at our own drawings alone.
void setUseIconTheme(bool bUse);

// The program's application icon: "corvane" or "brevio".
QIcon programIcon(const QString& program);
// The running program's.
QIcon applicationIcon();
// The running program's icon as a picture of that size.
QImage applicationImage(int nSize);
// The running program's icon saved as "<program name>.png" in its data
// folder, for desktop launchers; empty when it cannot be written.
QString applicationIconFile();

} // namespace artwork
