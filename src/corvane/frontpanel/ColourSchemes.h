#pragma once
// The front panel's colours as a set: the built-in colour schemes, the rule
// that applies one to an options object, and the current colours written as
// a scheme record for the program's own source.
#include "shared/WinTypes.h"

#include <QString>
#include <QStringList>
#include <array>

class CSettings;

struct CPresetScheme {
    const char* pName;
    // Set: the options return to their defaults before the colours go in.
    bool bDefault;
    // Record entries 2 to 40: frequency display background, foreground and
    // monochrome S-meter bar; S1 .. S9+60; TX bar background and foreground;
    // TX1 .. TX9; faceplate background and text; tuning dial background,
    // text and slider; button face, text, selected face, selected text; the
    // button lamp value.
    uint32_t values[39];

    uint32_t Entry(int nRecordIndex) const { return values[nRecordIndex - 2]; }
};

// The seven schemes in their table order (the order of the Schemes page).
const std::array<CPresetScheme, 7>& PresetSchemes();
QStringList PresetSchemeNames();
// Exact, case-sensitive match; nullptr when no scheme has the name.
const CPresetScheme* FindPresetScheme(const QString& strName);

// Copies the named scheme's colours and lamp value into the options and
// switches both meters to multi-colour; an unknown name changes nothing.
// TRUE when a scheme was applied.
bool ApplyPresetScheme(const QString& strName, CSettings& settings);

// The options' colours as a scheme record for the program's source, the
// lines of "VE817 Colour Scheme.txt".
QStringList ColourSchemeDefinitionLines(const CSettings& settings);
