#include "corvane/frontpanel/ColourSchemes.h"

#include "corvane/core/Settings.h"

namespace {
// clang-format off
const std::array<CPresetScheme, 7> kSchemes = {{
    {"Dalek",
     false,
     {0x000F00, 0xFAFAFA, 0x0000FF, 0x000096, 0x00049D, 0x0009A4, 0x000DAB, 0x0012B3,
      0x0016BB, 0x001BC2, 0x0020CA, 0x0024D1, 0x0029D8, 0x002DE0, 0x0032E8, 0x0036EF,
      0x003BF6, 0x0040FF, 0x000F00, 0xFFFFFF, 0x000096, 0x0000A4, 0x0000B3, 0x0000C2,
      0x0000D1, 0x0000E0, 0x0000EF, 0x0000FF, 0x0040FF, 0x000000, 0xFFFFFF, 0x000F00,
      0xC0C0C0, 0xFFFFFF, 0xB4B4B4, 0x000000, 0x000097, 0xFFFFFF, 0}},
    {"Default (v 2.1)",
     false,
     {0x141414, 0xFAFAFA, 0x0000FF, 0x000000, 0x000012, 0x000024, 0x000036, 0x000048,
      0x00005B, 0x00006D, 0x00007F, 0x000091, 0x0000A3, 0x0000B6, 0x0000C8, 0x0000DA,
      0x0000EC, 0x0000FF, 0x141414, 0xFFFFFF, 0xFFFFFF, 0xD6F1F4, 0xADE3EA, 0x84D5E0,
      0x5BC7D6, 0x33B9CC, 0x0040FF, 0x0000FF, 0x0000FF, 0x000000, 0xFFFFFF, 0x141414,
      0xC0C0C0, 0xFFFFFF, 0xAFAFAF, 0x000000, 0x808080, 0xFFFFFF, 0}},
    {"Mustard",
     false,
     {0x33B9CC, 0x000000, 0x000040, 0x000000, 0x000012, 0x000024, 0x000036, 0x000048,
      0x00005B, 0x00006D, 0x00007F, 0x000091, 0x0000A3, 0x0000B6, 0x0000C8, 0x0000DA,
      0x0000EC, 0x0000FF, 0x400040, 0x00FFFF, 0xFFFFFF, 0xD6F1F4, 0xADE3EA, 0x84D5E0,
      0x5BC7D6, 0x33B9CC, 0x0040FF, 0x0000FF, 0x0000FF, 0xA00000, 0xFFFFFF, 0x33B9CC,
      0x000000, 0x0000FF, 0xAFAFAF, 0x000000, 0x0000FF, 0x00FFFF, 0}},
    {"Laboratory",
     false,
     {0xFAFAFA, 0x000000, 0x000000, 0x000000, 0x000012, 0x000024, 0x000036, 0x000048,
      0x00005B, 0x00006D, 0x00007F, 0x000091, 0x0000A3, 0x0000B6, 0x0000C8, 0x0000DA,
      0x0000EC, 0x0000FF, 0x7A7A7A, 0xC0C0C0, 0xFFFFFF, 0xD6F1F4, 0xADE3EA, 0x84D5E0,
      0x5BC7D6, 0x33B9CC, 0x0040FF, 0x0000FF, 0x0000FF, 0x808080, 0x000000, 0xFFF5F5,
      0x000000, 0x0000FF, 0xAFAFAF, 0x000000, 0x000080, 0xFFFFFF, 0}},
    {"Kind of Blue",
     false,
     {0x0F0F0F, 0xFBA504, 0xFBA504, 0xFBA504, 0xFBAD1A, 0xFBB531, 0xFBBD47, 0xFBC55E,
      0xFBCD75, 0xFDD68C, 0xFDDEA3, 0xFDE6BA, 0xFDEED0, 0xFDF6E7, 0xFFFFFF, 0xAAAAFF,
      0x5555FF, 0x0000FF, 0x0F0F0F, 0xFBA504, 0xFBA504, 0xFBB736, 0xFCC968, 0xFDDB9A,
      0xFEEDCC, 0xFFFFFF, 0x7F7FFE, 0x0000FF, 0x0000FF, 0x000000, 0xFBA504, 0x0F0F0F,
      0xFBA504, 0x80FFFF, 0xAFAFAF, 0x000000, 0x808080, 0x000000, 0}},
    {"Red Lead",
     false,
     {0x0F0F0F, 0x0000FF, 0x000080, 0x0000FF, 0x1717FE, 0x2E2EFE, 0x4545FE, 0x5C5CFE,
      0x7373FE, 0x8B8BFE, 0xA2A2FE, 0xB9B9FE, 0xD0D0FE, 0xE7E7FE, 0xFFFFFF, 0xFFFFFF,
      0xFFFFFF, 0xFFFFFF, 0x0F0F0F, 0x000080, 0xFFFFFF, 0xDADAFE, 0xB6B6FE, 0x9191FE,
      0x6D6DFE, 0x4848FE, 0x2424FE, 0x0000FF, 0x0000FF, 0x000000, 0x0000FF, 0x0F0F0F,
      0x0000FF, 0xFFFFFF, 0xAFAFAF, 0x000000, 0x808080, 0x000000, 0}},
    {"Seaweed",
     false,
     {0x0F0F0F, 0x00FF00, 0x00AF00, 0x00FF80, 0x17FE8B, 0x2EFE96, 0x45FEA2, 0x5CFEAD,
      0x73FEB8, 0x8BFEC5, 0xA2FED0, 0xB9FEDB, 0xD0FEE7, 0xE7FEF2, 0xFFFFFF, 0xAAAAFF,
      0x5555FF, 0x0000FF, 0x0F0F0F, 0x00AF00, 0x00FF80, 0x33FF99, 0x66FFB2, 0x99FFCC,
      0xCCFFE5, 0xFFFFFF, 0x7F7FFE, 0x0000FF, 0x0000FF, 0x000000, 0x00FF00, 0x0F0F0F,
      0x00FF00, 0xFFFFFF, 0x008000, 0xFFFFFF, 0x004080, 0xFFFFFF, 1}},
}};
// clang-format on

QString Hex(COLORREF c)
{
    return QString::asprintf("0x%08X", unsigned(c));
}
} // namespace

const std::array<CPresetScheme, 7>& PresetSchemes()
{
    return kSchemes;
}

QStringList PresetSchemeNames()
{
    QStringList names;
    for (const CPresetScheme& scheme : kSchemes)
        names << QString::fromLatin1(scheme.pName);
    return names;
}

const CPresetScheme* FindPresetScheme(const QString& strName)
{
    for (const CPresetScheme& scheme : kSchemes)
        if (strName == QLatin1String(scheme.pName))
            return &scheme;
    return nullptr;
}

bool ApplyPresetScheme(const QString& strName, CSettings& settings)
{
    const CPresetScheme* scheme = FindPresetScheme(strName);
    if (!scheme)
        return false;
    if (scheme->bDefault)
        settings.SetDefaults();
    CSettings& s = settings;
    s.m_colFreqBackground = scheme->Entry(2);
    s.m_colFreqForeground = scheme->Entry(3);
    s.m_colSMeterBar = scheme->Entry(4);
    s.m_colTxBarMeterBackground = scheme->Entry(20);
    s.m_colTxBarMeterForeground = scheme->Entry(21);
    s.m_colDspBackground = scheme->Entry(31);
    s.m_colDspForeground = scheme->Entry(32);
    s.m_colTuningDialBackground = scheme->Entry(33);
    s.m_colTuningDialForeground = scheme->Entry(34);
    s.m_colTuningDialSliderColour = scheme->Entry(35);
    s.m_colColButtonFace = scheme->Entry(36);
    s.m_colColButtonText = scheme->Entry(37);
    s.m_colColButtonFaceSel = scheme->Entry(38);
    s.m_colColButtonTextSel = scheme->Entry(39);
    s.m_nButtonLED = int(scheme->Entry(40));
    s.m_bSMeterMono = 0;
    for (int i = 0; i < 15; ++i)
        s.m_colSMeter[i] = scheme->Entry(5 + i);
    s.m_bTxMeterMono = 0;
    for (int i = 0; i < 9; ++i)
        s.m_colTxMeter[i] = scheme->Entry(22 + i);
    return true;
}

QStringList ColourSchemeDefinitionLines(const CSettings& s)
{
    const QString tab = QStringLiteral("\t");
    auto colourLine = [&](COLORREF c, const char* what) {
        return tab + Hex(c) + QStringLiteral(",\t//\t") + QLatin1String(what);
    };
    auto heading = [&](QStringList& lines, const char* what) {
        lines << QString() << QStringLiteral("\t//") << QStringLiteral("\t//\t") + QLatin1String(what)
              << QStringLiteral("\t//");
    };
    QStringList lines;
    lines << QStringLiteral("//") << QStringLiteral("//  Current colour scheme for adding into FT-817 Corvane source code.")
          << QStringLiteral("//") << QStringLiteral("//   This code can only be used by the development team.")
          << QStringLiteral("//") << QStringLiteral("{") << QStringLiteral("\t_T(\"Title goes here\"),")
          << QStringLiteral("\tFALSE,\t\t//  Not the default");
    heading(lines, "Frequency display.");
    lines << colourLine(s.m_colFreqBackground, "Background") << colourLine(s.m_colFreqForeground, "Foreground");
    heading(lines, "S-Meter.");
    lines << colourLine(s.m_colSMeterBar, "Monochrome");
    for (int i = 0; i < 15; ++i)
        lines << tab + Hex(s.m_colSMeter[i]) + QString::asprintf(",\t//\tMulti-colour %d of %d", i + 1, 15);
    heading(lines, "TX Meters.");
    lines << colourLine(s.m_colTxBarMeterBackground, "Background")
          << colourLine(s.m_colTxBarMeterForeground, "Foreground");
    for (int i = 0; i < 9; ++i)
        lines << tab + Hex(s.m_colTxMeter[i]) + QString::asprintf(",\t//\tMulti-colour %d of %d", i + 1, 9);
    heading(lines, "Display faceplate.");
    lines << colourLine(s.m_colDspBackground, "Background") << colourLine(s.m_colDspForeground, "Foreground");
    heading(lines, "Tuning dial.");
    lines << colourLine(s.m_colTuningDialBackground, "Background")
          << colourLine(s.m_colTuningDialForeground, "Foreground")
          << colourLine(s.m_colTuningDialSliderColour, "Slider");
    heading(lines, "Buttons.");
    lines << colourLine(s.m_colColButtonFace, "Default face") << colourLine(s.m_colColButtonText, "Default text")
          << colourLine(s.m_colColButtonFaceSel, "Selected face")
          << colourLine(s.m_colColButtonTextSel, "Selected text");
    // The lamp line is always red: the lamp colour is not used any more.
    heading(lines, "Button LED (Unused).");
    lines << QStringLiteral("\tCSettings::LED_RED") << QStringLiteral("},");
    return lines;
}
