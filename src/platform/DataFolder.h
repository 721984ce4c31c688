#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The folder that holds the operator's data files ("the program folder" of the
// design): the environment override when set, else the per-user data folder.
QString dataFolder();
QString dataFilePath(const QString& fileName);

// Writes the whole file through a temporary and an atomic rename, so a failure
// never leaves half a file and never loses the old one.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText = nullptr);

} // namespace platform
