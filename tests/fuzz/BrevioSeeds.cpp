// Writes seeds for the digital-mode program's fuzz targets with the
// program's own writers: FUZZ_WRITE_SEEDS=fuzz/corpus
//   build/tests/fuzz_brevio_replay_tests --gtest_filter=FuzzSeeds.*
#include "brevio/core/DefinitionFileHeader.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/TagStore.h"
#include "brevio/display/AlarmList.h"
#include "shared/TaggedLines.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
void WriteSeed(const QString& path, QStringList lines, int nKind)
{
    CDefinitionFileHeader().Write(nKind, lines, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(TaggedLines::ToBytes(lines));
}
} // namespace

TEST(FuzzSeeds, DigitalModeProgramFiles)
{
    const QString dir = qEnvironmentVariable("FUZZ_WRITE_SEEDS");
    if (dir.isEmpty())
        GTEST_SKIP() << "FUZZ_WRITE_SEEDS names the corpus folder to write";

    CMacroStore macros;
    macros.Add("CQ call", "CQ", {"CQ CQ CQ de <mycall> <mycall>", "pse k"}, true, false, true, false, 1, false);
    macros.Add("Reply", QStringList{"<call> de <mycall> ur rst <rst> <rst>", "name <myname> qth <myqth>"}, 0);
    WriteSeed(dir + "/Macros/macros.txt", macros.RecordLines(), CMacroStore::kFileKind);

    CTagStore tags;
    tags.SetDefaults();
    tags.SetValue("call", "QT9XVK", 0);
    WriteSeed(dir + "/Tags/tags.txt", tags.RecordLines(), CTagStore::kFileKind);

    CAlarmList alarms;
    alarms.Add(1, "My call", "QT9X[A-Z]{2}", "own call", 1, QString(), "my call");
    alarms.Add(0, "CQ DX", "\\bCQ\\s+DX\\b", QString(), 3, "chord.wav", QString());
    WriteSeed(dir + "/Alarms/alarms.txt", alarms.RecordLines(), CAlarmList::kFileKind);
}
