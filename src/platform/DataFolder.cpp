#include "platform/DataFolder.h"
#include "platform/Program.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

QString dataFolder()
{
    QString folder = qEnvironmentVariable(program().dataDirVariable.toLatin1().constData());
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.local/share/") + program().name;
    QDir().mkpath(folder);
    return folder;
}

QString dataFilePath(const QString& fileName)
{
    return dataFolder() + QLatin1Char('/') + fileName;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    // The bytes may sit in the device's buffer until flushed, and commit()
    // would rename a truncated copy over the old file when that write fails.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (errorText)
            *errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
