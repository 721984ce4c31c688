#include "FuzzTarget.h"

#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/TaggedLines.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzz {

namespace {
// Nobody answers a message box while fuzzing: every question is cancelled.
class QuietPrompter final : public platform::Prompter {
public:
    int messageBox(QWidget*, const QString&, const QString&, int) override { return platform::IDCANCEL; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override { return {}; }
    QStringList openFileNames(QWidget*, const QString&, const QString&, const QString&, QString*) override
    {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override { return {}; }
    QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QColor> colour(QWidget*, const QColor&, const QString&) override { return std::nullopt; }
    std::optional<QFont> font(QWidget*, const QFont&, const QString&) override { return std::nullopt; }
};

std::vector<Target>& registry()
{
    static std::vector<Target> targets;
    return targets;
}
} // namespace

bool Register(const char* name, Function function)
{
    registry().push_back({name, function});
    return true;
}

const std::vector<Target>& Targets()
{
    return registry();
}

const Target* Find(const QString& name)
{
    for (const Target& t : registry())
        if (name == QLatin1String(t.name))
            return &t;
    return nullptr;
}

void SetUpEnvironment()
{
    if (QCoreApplication::instance())
        return;
    // Everything the readers touch stays in a folder of this run.
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/corvane-fuzz-XXXXXX"));
    const QByteArray root = folder.path().toLocal8Bit();
    QDir().mkpath(folder.filePath(QStringLiteral("data")));
    QDir().mkpath(folder.filePath(QStringLiteral("config")));
    QDir().mkpath(folder.filePath(QStringLiteral("runtime")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("CORVANE_DATA_DIR", root + "/data");
    qputenv("BREVIO_DATA_DIR", root + "/data");
    static int argc = 1;
    static char name[] = "corvane-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QT9XVK"));
    QApplication::setApplicationName(QStringLiteral("FT-817 Corvane"));
    // The radio's pauses would only slow the fuzzer down.
    static platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    static QuietPrompter prompter;
    platform::Prompter::setInstance(&prompter);
}

QStringList Lines(const uint8_t* data, size_t size)
{
    return TaggedLines::FromBytes(Bytes(data, size));
}

QString WriteFile(const QString& name, const uint8_t* data, size_t size)
{
    const QString path = platform::dataFilePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace fuzz
