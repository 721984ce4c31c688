#include "corvane/core/Settings.h"
#include "shared/ProgramFolders.h"

#include "platform/DataFolder.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"

#include <gtest/gtest.h>

TEST(Settings, LabelsAreThirtyOneCharacters)
{
    EXPECT_EQ(CSettings::Label("m_bArrowKeys"), QStringLiteral("m_bArrowKeys .................:"));
    EXPECT_EQ(CSettings::Label("m_nFreqRanges[11]"), QStringLiteral("m_nFreqRanges[11] ............:"));
    EXPECT_EQ(CSettings::Label("m_colTuningDialSliderColour").size(), 31);
}

TEST(Settings, DefaultsAndMeterGradients)
{
    CSettings s;
    EXPECT_EQ(s.m_bLargeFreqFont, 1);
    EXPECT_EQ(s.m_bLogMemWrite, 1);
    EXPECT_EQ(s.m_colFreqBackground, 0xF5FFFFu);
    EXPECT_EQ(s.m_eBand70CM, 8);
    EXPECT_EQ(s.m_strPort, QStringLiteral("COM1"));
    EXPECT_EQ(s.m_strSpeed, QStringLiteral("38400"));
    EXPECT_EQ(s.m_strRxString, QStringLiteral("- Rx -"));
    EXPECT_EQ(s.m_strWhiteStickDot, QStringLiteral("point"));
    EXPECT_EQ(s.m_strWhiteStickInBand, QString());
    EXPECT_EQ(s.m_nTxMeterDecayHang, 1000);

    const COLORREF sMeter[15] = {0x000000, 0x000012, 0x000024, 0x000036, 0x000048, 0x00005B, 0x00006D, 0x00007F,
                                 0x000091, 0x0000A3, 0x0000B6, 0x0000C8, 0x0000DA, 0x0000EC, 0x0000FF};
    const COLORREF txMeter[9] = {0xFFFFFF, 0xDFDFFE, 0xBFBFFE, 0x9F9FFE, 0x7F7FFE,
                                 0x5F5FFE, 0x3F3FFE, 0x1F1FFE, 0x0000FF};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(s.m_colSMeter[i], sMeter[i]) << "S" << i + 1;
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(s.m_colTxMeter[i], txMeter[i]) << "TX" << i + 1;

    const int ranges[12] = {100000,   33000000, 76000000,  108000000, 137000000, 420000000,
                            33000000, 56000000, 108000000, 137000000, 154000000, 470000000};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(s.GetFreqRange(i), ranges[i]);
    EXPECT_EQ(s.GetEepromLimit(), 6439u);
    EXPECT_EQ(s.GetMemoryBase(), 0x484u);
    EXPECT_EQ(s.GetMemoryTuneAddress(), 0x425u);
    EXPECT_EQ(s.GetVfoBase(), 0x7Du);
    EXPECT_EQ(s.GetMemoryChannelCount(), 202);
    EXPECT_EQ(s.GetMemoryUsedBitmapAddress(), 0x450u);
}

TEST(Settings, LoadWithoutStoredValuesGivesTableDefaults)
{
    CSettings s;
    s.m_nFreqRanges[3] = 123;
    s.Load();
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(s.m_colSMeter[i], 0u) << i;
    for (int i = 9; i < 15; ++i)
        EXPECT_EQ(s.m_colSMeter[i], 0xFFu) << i;
    // Range rows default to their own current value.
    EXPECT_EQ(s.m_nFreqRanges[3], 123);
    // The band-warning sounds are the ones shipped beside the program.
    EXPECT_EQ(s.m_strWhiteStickInBand, GetProgramFolders().GetProgramFolder() + QStringLiteral("ding.wav"));
    EXPECT_EQ(s.m_strWhiteStickOutOfBand, GetProgramFolders().GetProgramFolder() + QStringLiteral("chord.wav"));
    s.SetDefaults();
    EXPECT_EQ(s.m_strWhiteStickInBand, QString());
    EXPECT_EQ(s.m_nFreqRanges[3], 123);
}

TEST(Settings, SaveAndLoadThroughTheRegistry)
{
    CSettings s;
    s.m_nCommsUpdateInterval = 750;
    s.m_strPort = QStringLiteral("/dev/ttyUSB0");
    s.m_colSMeter[4] = 0x123456;
    s.m_nFreqRanges[11] = 480000000;
    s.Save();
    CRegistry reg;
    EXPECT_EQ(reg.GetInt(QStringLiteral("Settings m_nCommsUpdateInterval .......:"), 0), 750);
    EXPECT_EQ(reg.GetString(QStringLiteral("Settings m_strPort ....................:")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(reg.GetInt(QStringLiteral("Settings m_colSMeter[S5] ..............:"), 0), 0x123456);
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("Settings m_nFreqRanges[11] ............:"), 0), 480000000);

    CSettings t;
    t.Load();
    EXPECT_EQ(t.m_nCommsUpdateInterval, 750);
    EXPECT_EQ(t.m_strPort, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(t.m_colSMeter[4], 0x123456u);
    EXPECT_EQ(t.m_nFreqRanges[11], 480000000);
    EXPECT_EQ(CSettings::GetPollInterval(), 200);
}

TEST(Settings, TextExportAndImport)
{
    CSettings s;
    s.m_bArrowKeys = 1;
    s.m_strTxString = QStringLiteral("TX now");
    s.m_colTxMeter[2] = 0xABCDEF;
    s.m_nFreqRanges[0] = 150000;
    s.m_nClockZone = -2;  // written as unsigned, read back whole
    QStringList lines;
    s.ExportLines(lines);
    ASSERT_EQ(lines.size(), 91);
    EXPECT_EQ(lines[0], QStringLiteral("m_bArrowKeys .................: 1"));
    EXPECT_EQ(lines[2], QStringLiteral("m_bLargeFreqFont .............: 1"));
    EXPECT_EQ(lines[14], QStringLiteral("m_colColButtonFace ...........: 11513775"));
    EXPECT_EQ(lines[38], QStringLiteral("m_strPort ....................: COM1"));
    EXPECT_EQ(lines[41], QStringLiteral("m_strTxString ................: TX now"));
    EXPECT_EQ(lines[44], QStringLiteral("m_nClockZone .................: 4294967294"));
    EXPECT_EQ(lines[54], QStringLiteral("m_colSMeter[S1] ..............: 0"));
    EXPECT_EQ(lines[90], QStringLiteral("m_nFreqRanges[11] ............: 470000000"));
    for (const QString& line : lines)
        EXPECT_EQ(line.indexOf(QLatin1Char(':')), 30) << line.toStdString();

    CSettings t;
    t.m_strWhiteStickDot = QStringLiteral("dot");
    t.ImportLines(lines);
    QStringList again;
    t.ExportLines(again);
    EXPECT_EQ(again, lines);
    EXPECT_EQ(t.m_nClockZone, -2);
    EXPECT_EQ(t.m_strWhiteStickDot, QStringLiteral("point"));

    // Unknown lines are ignored, missing rows keep their value, the first
    // match wins, and a line that is only the label imports as empty / 0.
    CSettings u;
    u.m_strRxString = QStringLiteral("keep");
    u.ImportLines({QStringLiteral("junk"), QStringLiteral("m_bLargeFreqFont .............:"),
                   QStringLiteral("m_strTxString ................:"), QStringLiteral("m_nClockFormat ...............: 3x"),
                   QStringLiteral("m_nClockFormat ...............: 9"), QStringLiteral("m_nButtonLED .................: abc"),
                   QStringLiteral("m_strPort ....................: COM3 extra")});
    EXPECT_EQ(u.m_bLargeFreqFont, 0);
    EXPECT_EQ(u.m_strTxString, QString());
    EXPECT_EQ(u.m_nClockFormat, 3);
    EXPECT_EQ(u.m_nButtonLED, 0);
    EXPECT_EQ(u.m_strPort, QStringLiteral("COM3 extra"));
    EXPECT_EQ(u.m_strRxString, QStringLiteral("keep"));
}

TEST(Settings, SettingsFileRoundTrip)
{
    // The options sheet's settings file: the exported lines inside the
    // definitions-file comment block, read back and imported.
    CSettings s;
    s.m_strSpeed = QStringLiteral("9600");
    s.m_colDspBackground = 0x102030;
    QStringList lines;
    s.ExportLines(lines);
    CTextFile::AddHeader(lines, 2);
    CTextFile out(2);
    out.WriteLines(lines, false);
    ASSERT_TRUE(out.IsOk());

    QStringList read;
    CTextFile in(2);
    ASSERT_TRUE(in.Exists());
    in.ReadLines(read);
    ASSERT_TRUE(in.IsOk());
    CSettings t;
    t.ImportLines(read);
    EXPECT_EQ(t.m_strSpeed, QStringLiteral("9600"));
    EXPECT_EQ(t.m_colDspBackground, 0x102030u);
    QStringList again;
    t.ExportLines(again);
    QStringList original;
    s.ExportLines(original);
    EXPECT_EQ(again, original);
}
