// The one main of every test program: an offscreen QApplication, private
// settings/data/runtime folders, and the scripted prompter.
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Sleeper.h"
#include "support/MnemonicGuard.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {
void setRootFolder(const QString& root);
}

namespace {
class ResetBetweenTests : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        testsupport::resetEnvironment();
        testsupport::prompter().clear();
        platform::Prompter::setInstance(&testsupport::prompter());
        platform::Sleeper::setInstance(nullptr);
    }
};
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/corvane-test-XXXXXX"));
    const QString r = root.path();
    QDir().mkpath(r + QStringLiteral("/runtime"));
    QFile::setPermissions(r + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", (r + QStringLiteral("/settings")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (r + QStringLiteral("/xdgdata")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (r + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("CORVANE_DATA_DIR", (r + QStringLiteral("/data")).toLocal8Bit());
    qputenv("BREVIO_DATA_DIR", (r + QStringLiteral("/data")).toLocal8Bit());
    // Temporary files too, so parallel test processes never share a name.
    QDir().mkpath(r + QStringLiteral("/tmp"));
    qputenv("TMPDIR", (r + QStringLiteral("/tmp")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    testsupport::setRootFolder(r);
    platform::SettingsStore::setRootForTesting(testsupport::settingsFolder());
    testsupport::resetEnvironment();
    platform::Prompter::setInstance(&testsupport::prompter());
    testsupport::installMnemonicGuard();

    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBetweenTests);
    return RUN_ALL_TESTS();
}
