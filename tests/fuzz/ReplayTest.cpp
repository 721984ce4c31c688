// Every fuzz target on its seeds and on each input that once crashed or hung
// it: the inputs are files under fuzz/corpus/<target>/ and
// tests/fuzz/regressions/<target>/. A target ends normally on each; under
// scripts/sanitize the sanitizers watch it too.
#include "FuzzTarget.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList Inputs(const QString& target)
{
    QStringList files;
    for (const QString& root : {QStringLiteral(FUZZ_CORPUS_DIR), QStringLiteral(FUZZ_REGRESSION_DIR)}) {
        QDirIterator it(root + QLatin1Char('/') + target, QDir::Files);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

std::vector<std::string> TargetNames()
{
    std::vector<std::string> names;
    for (const fuzz::Target& t : fuzz::Targets())
        names.emplace_back(t.name);
    return names;
}

class FuzzReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzReplay, EndsNormallyOnEverySeedAndRegressionInput)
{
    const QString name = QString::fromStdString(GetParam());
    const fuzz::Target* target = fuzz::Find(name);
    ASSERT_NE(target, nullptr);
    const QStringList files = Inputs(name);
    ASSERT_FALSE(files.isEmpty()) << "no seed for " << GetParam();
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(target->function(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(TargetNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
