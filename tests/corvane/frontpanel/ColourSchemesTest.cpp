// The built-in colour schemes: what applying one copies, what it leaves, the
// exact-name rule, and the scheme record written for the program's source.
#include "corvane/frontpanel/ColourSchemes.h"

#include "corvane/core/Settings.h"
#include "shared/ui/ColourGradient.h"

#include <gtest/gtest.h>

TEST(ColourSchemes, SevenSchemesInTableOrder)
{
    EXPECT_EQ(PresetSchemeNames(), (QStringList{"Dalek", "Default (v 2.1)", "Mustard", "Laboratory", "Kind of Blue",
                                                "Red Lead", "Seaweed"}));
    for (const CPresetScheme& scheme : PresetSchemes())
        EXPECT_FALSE(scheme.bDefault) << scheme.pName;
}

TEST(ColourSchemes, SeaweedSetsTheLampAndBothMetersToMultiColourAndEveryColourToItsPlace)
{
    CSettings s;
    s.m_bSMeterMono = 1;
    s.m_bTxMeterMono = 1;
    s.m_strPort = QStringLiteral("COM3");
    s.m_eBand80M = 1;
    ASSERT_TRUE(ApplyPresetScheme(QStringLiteral("Seaweed"), s));
    EXPECT_EQ(s.m_nButtonLED, 1);
    EXPECT_EQ(s.m_bSMeterMono, 0);
    EXPECT_EQ(s.m_bTxMeterMono, 0);
    EXPECT_EQ(s.m_colFreqBackground, 0x0F0F0Fu);
    EXPECT_EQ(s.m_colFreqForeground, 0x00FF00u);
    EXPECT_EQ(s.m_colSMeterBar, 0x00AF00u);
    EXPECT_EQ(s.m_colSMeter[0], 0x00FF80u);
    EXPECT_EQ(s.m_colSMeter[6], 0x8BFEC5u);
    EXPECT_EQ(s.m_colSMeter[14], 0x0000FFu);
    EXPECT_EQ(s.m_colTxBarMeterBackground, 0x0F0F0Fu);
    EXPECT_EQ(s.m_colTxBarMeterForeground, 0x00AF00u);
    EXPECT_EQ(s.m_colTxMeter[0], 0x00FF80u);
    EXPECT_EQ(s.m_colTxMeter[3], 0x99FFCCu);
    EXPECT_EQ(s.m_colTxMeter[8], 0x0000FFu);
    EXPECT_EQ(s.m_colDspBackground, 0x000000u);
    EXPECT_EQ(s.m_colDspForeground, 0x00FF00u);
    EXPECT_EQ(s.m_colTuningDialBackground, 0x0F0F0Fu);
    EXPECT_EQ(s.m_colTuningDialForeground, 0x00FF00u);
    EXPECT_EQ(s.m_colTuningDialSliderColour, 0xFFFFFFu);
    EXPECT_EQ(s.m_colColButtonFace, 0x008000u);
    EXPECT_EQ(s.m_colColButtonText, 0xFFFFFFu);
    EXPECT_EQ(s.m_colColButtonFaceSel, 0x004080u);
    EXPECT_EQ(s.m_colColButtonTextSel, 0xFFFFFFu);
    // Not a colour: left alone.
    EXPECT_EQ(s.m_strPort, QStringLiteral("COM3"));
    EXPECT_EQ(s.m_eBand80M, 1);
}

TEST(ColourSchemes, MustardTakesEachRecordEntryFromItsOwnRow)
{
    // Mustard's values differ from row to row, so a swapped pair shows.
    CSettings s;
    ASSERT_TRUE(ApplyPresetScheme(QStringLiteral("Mustard"), s));
    EXPECT_EQ(s.m_colFreqBackground, 0x33B9CCu);
    EXPECT_EQ(s.m_colSMeterBar, 0x000040u);
    EXPECT_EQ(s.m_colTxBarMeterBackground, 0x400040u);
    EXPECT_EQ(s.m_colTxBarMeterForeground, 0x00FFFFu);
    EXPECT_EQ(s.m_colDspBackground, 0xA00000u);
    EXPECT_EQ(s.m_colTuningDialSliderColour, 0x0000FFu);
    EXPECT_EQ(s.m_colColButtonFaceSel, 0x0000FFu);
    EXPECT_EQ(s.m_colColButtonTextSel, 0x00FFFFu);
    EXPECT_EQ(s.m_nButtonLED, 0);
}

TEST(ColourSchemes, ANameDifferingOnlyInCaseAppliesNothing)
{
    const CSettings before;
    CSettings s;
    s.m_bSMeterMono = 1;
    EXPECT_FALSE(ApplyPresetScheme(QStringLiteral("seaweed"), s));
    EXPECT_FALSE(ApplyPresetScheme(QStringLiteral("Seaweed "), s));
    EXPECT_EQ(s.m_bSMeterMono, 1);
    EXPECT_EQ(s.m_colFreqBackground, before.m_colFreqBackground);
    EXPECT_EQ(FindPresetScheme(QStringLiteral("Red Lead"))->Entry(40), 0u);
}

TEST(ColourSchemes, TheDefaultSchemesSMeterRowIsTheBlackToRedGradient)
{
    const CPresetScheme* scheme = FindPresetScheme(QStringLiteral("Default (v 2.1)"));
    ASSERT_TRUE(scheme);
    COLORREF row[15] = {};
    row[14] = 0x0000FF;
    CColourGradient(0, 14, row, 15).Fill();
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(scheme->Entry(5 + i), row[i]) << i;
}

TEST(ColourSchemes, TheSchemeRecordHasItsSeventySixLinesWithTheColoursInPlace)
{
    CSettings s;
    ApplyPresetScheme(QStringLiteral("Seaweed"), s);
    s.m_colSMeterBar = 0x00ABCDEF;
    const QStringList lines = ColourSchemeDefinitionLines(s);
    ASSERT_EQ(lines.size(), 76);
    EXPECT_EQ(lines[1], QStringLiteral("//  Current colour scheme for adding into FT-817 Corvane source code."));
    EXPECT_EQ(lines[6], QStringLiteral("\t_T(\"Title goes here\"),"));
    EXPECT_EQ(lines[7], QStringLiteral("\tFALSE,\t\t//  Not the default"));
    EXPECT_EQ(lines[8], QString());
    EXPECT_EQ(lines[10], QStringLiteral("\t//\tFrequency display."));
    EXPECT_EQ(lines[12], QStringLiteral("\t0x000F0F0F,\t//\tBackground"));
    EXPECT_EQ(lines[13], QStringLiteral("\t0x0000FF00,\t//\tForeground"));
    EXPECT_EQ(lines[18], QStringLiteral("\t0x00ABCDEF,\t//\tMonochrome"));
    EXPECT_EQ(lines[19], QStringLiteral("\t0x0000FF80,\t//\tMulti-colour 1 of 15"));
    EXPECT_EQ(lines[33], QStringLiteral("\t0x000000FF,\t//\tMulti-colour 15 of 15"));
    EXPECT_EQ(lines[36], QStringLiteral("\t//\tTX Meters."));
    EXPECT_EQ(lines[48], QStringLiteral("\t0x000000FF,\t//\tMulti-colour 9 of 9"));
    EXPECT_EQ(lines[61], QStringLiteral("\t0x00FFFFFF,\t//\tSlider"));
    EXPECT_EQ(lines[66], QStringLiteral("\t0x00008000,\t//\tDefault face"));
    EXPECT_EQ(lines[69], QStringLiteral("\t0x00FFFFFF,\t//\tSelected text"));
    EXPECT_EQ(lines[72], QStringLiteral("\t//\tButton LED (Unused)."));
    // The lamp line does not follow the lamp value.
    EXPECT_EQ(s.m_nButtonLED, 1);
    EXPECT_EQ(lines[74], QStringLiteral("\tCSettings::LED_RED"));
    EXPECT_EQ(lines[75], QStringLiteral("},"));
}
