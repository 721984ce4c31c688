#include "support/TestEnvironment.h"

#include "platform/SettingsStore.h"

#include <QDir>

namespace testsupport {

namespace {
QString g_root;
}

void setRootFolder(const QString& root) { g_root = root; }
QString rootFolder() { return g_root; }
QString dataFolder() { return g_root + QStringLiteral("/data"); }
QString settingsFolder() { return g_root + QStringLiteral("/settings"); }

void resetEnvironment()
{
    // Drop the cached settings object first, so no value outlives its file.
    platform::SettingsStore::setRootForTesting(settingsFolder());
    for (const QString& folder : {dataFolder(), settingsFolder()}) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
}

QString buildDir()
{
    const QString dir = qEnvironmentVariable("CORVANE_BUILD_DIR");
    return dir.isEmpty() ? QStringLiteral(CORVANE_BUILD_DIR_DEFAULT) : dir;
}

} // namespace testsupport
