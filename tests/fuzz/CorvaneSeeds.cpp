// Writes seeds for the radio program's fuzz targets with the program's own
// writers: FUZZ_WRITE_SEEDS=fuzz/corpus build/tests/fuzz_corvane_replay_tests
//   --gtest_filter=FuzzSeeds.*   (skipped in ordinary runs)
#include "corvane/core/Settings.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
void WriteSeed(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(TaggedLines::ToBytes(lines));
}
} // namespace

TEST(FuzzSeeds, RadioProgramFiles)
{
    const QString dir = qEnvironmentVariable("FUZZ_WRITE_SEEDS");
    if (dir.isEmpty())
        GTEST_SKIP() << "FUZZ_WRITE_SEEDS names the corpus folder to write";

    CSettings settings;
    settings.SetDefaults();
    QStringList options;
    settings.ExportLines(options);
    WriteSeed(dir + "/OptionsImport/defaults.txt", options);

    CFavouritesCollection favourites;
    favourites.FillDefaults();
    QStringList decoded = favourites.BuildLines(false);
    CTextFile::AddHeader(decoded, CFavouritesCollection::kFileKind);
    WriteSeed(dir + "/Favourites/defaults.txt", decoded);
    WriteSeed(dir + "/MemoryList/favourites-decoded.txt", decoded);
    WriteSeed(dir + "/MemoryList/favourites-raw.txt", favourites.BuildLines(true).mid(0, 200));
    WriteSeed(dir + "/TextFile/favourites.txt", decoded.mid(0, 120));

    CScanDefinitions scans;
    scans.AddBandScan("20 m CW", 14000000, 14070000, 2, 1);
    scans.AddBandScan("2 m FM", 144500000, 146000000, 8, 1);
    scans.AddMemoryScan("Repeaters", {CScanDefinitions::MemoryIdentifier("GB3XX", 3),
                                      CScanDefinitions::MemoryIdentifier(QString(), 17)}, 1);
    WriteSeed(dir + "/ScanDefinitions/scans.txt", scans.BuildLines());
}
