#include "support/TestEnvironment.h"

#include "platform/SettingsStore.h"

#include <QDir>

#include <map>
#include <mutex>
#include <string>

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

const char* buildPath(const char* relative)
{
    static std::mutex mutex;
    static std::map<std::string, std::string> paths;
    const std::lock_guard<std::mutex> lock(mutex);
    auto [it, added] = paths.try_emplace(relative);
    if (added)
        it->second = (buildDir() + QLatin1Char('/') + QString::fromUtf8(relative)).toStdString();
    return it->second.c_str();
}

int testTimeLimitMs()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("CORVANE_TEST_TIMEOUT", &ok);
    return (ok && seconds > 0 ? seconds : 60) * 1000;
}

int longestWaitMs()
{
    return testTimeLimitMs() / 2;
}

} // namespace testsupport
