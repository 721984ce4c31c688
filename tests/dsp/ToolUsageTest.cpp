// The command-line tools answer --help with their usage on standard output
// and write nothing; a mistaken option is refused and writes nothing either.
#include "support/TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Tool {
    const char* name;
    const char* path;
};

const Tool kTools[] = {
#ifdef PSKDEMO_PROGRAM
    {"pskdemo", PSKDEMO_PROGRAM},
#endif
#ifdef PSKCHANNELSIM_PROGRAM
    {"pskchannelsim", PSKCHANNELSIM_PROGRAM},
#endif
#ifdef FT817SIM_PROGRAM
    {"ft817-sim", FT817SIM_PROGRAM},
#endif
};

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList left;  // files the run left in its working folder
};

ToolRun RunIn(const QTemporaryDir& folder, const Tool& tool, const QStringList& args)
{
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(QString::fromUtf8(tool.path), args);
    ToolRun run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(2000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    run.left = QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
    return run;
}

} // namespace

TEST(ToolUsage, EveryToolAnswersHelpWithItsUsageAndWritesNothing)
{
    ASSERT_EQ(std::size(kTools), 3u) << "every tool under tools/ is listed";
    for (const Tool& tool : kTools) {
        for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}}) {
            SCOPED_TRACE(std::string(tool.name) + " " + args.join(' ').toStdString());
            QTemporaryDir folder;
            ASSERT_TRUE(folder.isValid());
            const ToolRun run = RunIn(folder, tool, args);
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
            EXPECT_TRUE(run.out.startsWith(QStringLiteral("usage: ") + QLatin1String(tool.name), Qt::CaseInsensitive))
                << run.out.toStdString();
            EXPECT_TRUE(run.out.contains(QStringLiteral("--help"))) << run.out.toStdString();
            EXPECT_TRUE(run.left.isEmpty()) << run.left.join(", ").toStdString();
        }
    }
}

TEST(ToolUsage, AnOptionInPlaceOfAFileNameIsRefusedAndWritesNothing)
{
    struct Case {
        const char* tool;
        QStringList args;
    };
    const Case cases[] = {
        {"pskdemo", {"--out"}},
        {"pskdemo", {"demo.wav", "extra.wav"}},
        {"pskchannelsim", {"--snr", "out.wav"}},
        {"pskchannelsim", {"in.wav", "--snr"}},
    };
    int ran = 0;
    for (const Case& c : cases) {
        for (const Tool& tool : kTools) {
            if (std::string(tool.name) != c.tool)
                continue;
            ++ran;
            SCOPED_TRACE(std::string(c.tool) + " " + c.args.join(' ').toStdString());
            QTemporaryDir folder;
            ASSERT_TRUE(folder.isValid());
            const ToolRun run = RunIn(folder, tool, c.args);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.contains(QStringLiteral("usage: "), Qt::CaseInsensitive)) << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
            EXPECT_TRUE(run.left.isEmpty()) << run.left.join(", ").toStdString();
        }
    }
    EXPECT_EQ(ran, int(std::size(cases)));
}
