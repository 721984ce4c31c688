#include "corvane/core/Settings.h"

#include "platform/DataFolder.h"
#include "shared/ProgramFolders.h"
#include "shared/Registry.h"
#include "shared/ui/ColourGradient.h"

namespace {
struct Row {
    const char* name;
    int* pInt;           // integer-sized member, or
    QString* pString;    // string member
    int nDefault;
    const char* strDefault;
    bool bSoundFile = false;  // default is the program's own folder + the name, when loading
};

// atol of the settings-file text, reading the full 32 bits so that values
// written as unsigned come back unchanged.
int parseNumber(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || (bytes[i] >= '\t' && bytes[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-'))
        negative = bytes[i++] == '-';
    uint64_t value = 0;
    for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        value = (value * 10 + uint64_t(bytes[i] - '0')) & 0xFFFFFFFFFFull;
    if (negative)
        value = uint64_t(0) - value;
    return int(int32_t(uint32_t(value)));
}
} // namespace

CSettings& GetSettings()
{
    static CSettings settings;
    return settings;
}

QString CSettings::Label(const char* memberName)
{
    QString label = QString::fromLatin1(memberName) + QLatin1Char(' ');
    while (label.size() < 30)
        label += QLatin1Char('.');
    return label + QLatin1Char(':');
}

CSettings::CSettings()
{
    static const int ranges[12] = {100000,   33000000, 76000000, 108000000, 137000000, 420000000,
                                   33000000, 56000000, 108000000, 137000000, 154000000, 470000000};
    for (int i = 0; i < 12; ++i)
        m_nFreqRanges[i] = ranges[i];
    Exchange(kDefaults);
}

void CSettings::Exchange(int nMode)
{
    const Row rows[] = {
        {"m_bArrowKeys", &m_bArrowKeys, nullptr, 0, nullptr},
        {"m_bDisableScreenSaver", &m_bDisableScreenSaver, nullptr, 0, nullptr},
        {"m_bLargeFreqFont", &m_bLargeFreqFont, nullptr, 1, nullptr},
        {"m_bFadeWindows", &m_bFadeWindows, nullptr, 0, nullptr},
        {"m_bFaveMarkers", &m_bFaveMarkers, nullptr, 0, nullptr},
        {"m_bLogMemWrite", &m_bLogMemWrite, nullptr, 1, nullptr},
        {"m_bPowerDown", &m_bPowerDown, nullptr, 1, nullptr},
        {"m_bRxFavourite", &m_bRxFavourite, nullptr, 1, nullptr},
        {"m_bTxFavourite", &m_bTxFavourite, nullptr, 0, nullptr},
        {"m_bTreeSingleExpand", &m_bTreeSingleExpand, nullptr, 0, nullptr},
        {"m_bTuningDialHideScanning", &m_bTuningDialHideScanning, nullptr, 1, nullptr},
        {"m_bTuningDialSwitchVFO", &m_bTuningDialSwitchVFO, nullptr, 1, nullptr},
        {"m_bTuningDialHighlightBand", &m_bTuningDialHighlightBand, nullptr, 1, nullptr},
        {"m_bTuningDialSnapFrequency", &m_bTuningDialSnapFrequency, nullptr, 1, nullptr},
        {"m_colColButtonFace", reinterpret_cast<int*>(&m_colColButtonFace), nullptr, int(0xAFAFAF), nullptr},
        {"m_colColButtonFaceSel", reinterpret_cast<int*>(&m_colColButtonFaceSel), nullptr, int(0x808080), nullptr},
        {"m_colColButtonText", reinterpret_cast<int*>(&m_colColButtonText), nullptr, int(0x000000), nullptr},
        {"m_colColButtonTextSel", reinterpret_cast<int*>(&m_colColButtonTextSel), nullptr, int(0xFFFFFF), nullptr},
        {"m_colDspBackground", reinterpret_cast<int*>(&m_colDspBackground), nullptr, int(0x000000), nullptr},
        {"m_colDspForeground", reinterpret_cast<int*>(&m_colDspForeground), nullptr, int(0xFFFFFF), nullptr},
        {"m_colFreqBackground", reinterpret_cast<int*>(&m_colFreqBackground), nullptr, int(0xF5FFFF), nullptr},
        {"m_colFreqForeground", reinterpret_cast<int*>(&m_colFreqForeground), nullptr, int(0x000000), nullptr},
        {"m_colSMeterBar", reinterpret_cast<int*>(&m_colSMeterBar), nullptr, int(0x000040), nullptr},
        {"m_colTuningDialBackground", reinterpret_cast<int*>(&m_colTuningDialBackground), nullptr, int(0xF5FFFF), nullptr},
        {"m_colTuningDialForeground", reinterpret_cast<int*>(&m_colTuningDialForeground), nullptr, int(0x000000), nullptr},
        {"m_colTuningDialSliderColour", reinterpret_cast<int*>(&m_colTuningDialSliderColour), nullptr, int(0x000080), nullptr},
        {"m_colTxBarMeterBackground", reinterpret_cast<int*>(&m_colTxBarMeterBackground), nullptr, int(0x101010), nullptr},
        {"m_colTxBarMeterForeground", reinterpret_cast<int*>(&m_colTxBarMeterForeground), nullptr, int(0xFFFFFF), nullptr},
        {"m_eBand70CM", &m_eBand70CM, nullptr, 8, nullptr},
        {"m_eBand2M", &m_eBand2M, nullptr, 6, nullptr},
        {"m_eBand6M", &m_eBand6M, nullptr, 4, nullptr},
        {"m_eBand20M", &m_eBand20M, nullptr, 11, nullptr},
        {"m_eBand40M", &m_eBand40M, nullptr, 2, nullptr},
        {"m_eBand80M", &m_eBand80M, nullptr, 0, nullptr},
        {"m_nButtonLED", &m_nButtonLED, nullptr, 0, nullptr},
        {"m_bClarifierOff", &m_bClarifierOff, nullptr, 1, nullptr},
        {"m_bNotifyCommsLost", &m_bNotifyCommsLost, nullptr, 0, nullptr},
        {"m_nCommsUpdateInterval", &m_nCommsUpdateInterval, nullptr, 200, nullptr},
        {"m_strPort", nullptr, &m_strPort, 0, "COM1"},
        {"m_strSpeed", nullptr, &m_strSpeed, 0, "38400"},
        {"m_strRxString", nullptr, &m_strRxString, 0, "- Rx -"},
        {"m_strTxString", nullptr, &m_strTxString, 0, "- Tx -"},
        {"m_bShowClock", &m_bShowClock, nullptr, 1, nullptr},
        {"m_nClockFormat", &m_nClockFormat, nullptr, 0, nullptr},
        {"m_nClockZone", &m_nClockZone, nullptr, 0, nullptr},
        {"m_nTxMeterDecayHang", &m_nTxMeterDecayHang, nullptr, 1000, nullptr},
        {"m_nTxMeterDecayRate", &m_nTxMeterDecayRate, nullptr, 300, nullptr},
        {"m_bWhiteStickAuto", &m_bWhiteStickAuto, nullptr, 0, nullptr},
        {"m_bWhiteStickFull", &m_bWhiteStickFull, nullptr, 0, nullptr},
        {"m_bWhiteStickOOB", &m_bWhiteStickOOB, nullptr, 0, nullptr},
        {"m_strWhiteStickDot", nullptr, &m_strWhiteStickDot, 0, "point"},
        {"m_strWhiteStickInBand", nullptr, &m_strWhiteStickInBand, 0, "ding.wav", true},
        {"m_strWhiteStickOutOfBand", nullptr, &m_strWhiteStickOutOfBand, 0, "chord.wav", true},
        {"m_bSMeterMono", &m_bSMeterMono, nullptr, 0, nullptr},
        {"m_colSMeter[S1]", reinterpret_cast<int*>(&m_colSMeter[0]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S2]", reinterpret_cast<int*>(&m_colSMeter[1]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S3]", reinterpret_cast<int*>(&m_colSMeter[2]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S4]", reinterpret_cast<int*>(&m_colSMeter[3]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S5]", reinterpret_cast<int*>(&m_colSMeter[4]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S6]", reinterpret_cast<int*>(&m_colSMeter[5]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S7]", reinterpret_cast<int*>(&m_colSMeter[6]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S8]", reinterpret_cast<int*>(&m_colSMeter[7]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S9]", reinterpret_cast<int*>(&m_colSMeter[8]), nullptr, int(0x000000), nullptr},
        {"m_colSMeter[S10]", reinterpret_cast<int*>(&m_colSMeter[9]), nullptr, int(0x0000FF), nullptr},
        {"m_colSMeter[S11]", reinterpret_cast<int*>(&m_colSMeter[10]), nullptr, int(0x0000FF), nullptr},
        {"m_colSMeter[S12]", reinterpret_cast<int*>(&m_colSMeter[11]), nullptr, int(0x0000FF), nullptr},
        {"m_colSMeter[S13]", reinterpret_cast<int*>(&m_colSMeter[12]), nullptr, int(0x0000FF), nullptr},
        {"m_colSMeter[S14]", reinterpret_cast<int*>(&m_colSMeter[13]), nullptr, int(0x0000FF), nullptr},
        {"m_colSMeter[S15]", reinterpret_cast<int*>(&m_colSMeter[14]), nullptr, int(0x0000FF), nullptr},
        {"m_bTxMeterMono", &m_bTxMeterMono, nullptr, 0, nullptr},
        {"m_colTxMeter[TX1]", reinterpret_cast<int*>(&m_colTxMeter[0]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX2]", reinterpret_cast<int*>(&m_colTxMeter[1]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX3]", reinterpret_cast<int*>(&m_colTxMeter[2]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX4]", reinterpret_cast<int*>(&m_colTxMeter[3]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX5]", reinterpret_cast<int*>(&m_colTxMeter[4]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX6]", reinterpret_cast<int*>(&m_colTxMeter[5]), nullptr, int(0xFFFFFF), nullptr},
        {"m_colTxMeter[TX7]", reinterpret_cast<int*>(&m_colTxMeter[6]), nullptr, int(0x0000FF), nullptr},
        {"m_colTxMeter[TX8]", reinterpret_cast<int*>(&m_colTxMeter[7]), nullptr, int(0x0000FF), nullptr},
        {"m_colTxMeter[TX9]", reinterpret_cast<int*>(&m_colTxMeter[8]), nullptr, int(0x0000FF), nullptr},
        {"m_nFreqRanges[0]", &m_nFreqRanges[0], nullptr, m_nFreqRanges[0], nullptr},
        {"m_nFreqRanges[1]", &m_nFreqRanges[1], nullptr, m_nFreqRanges[1], nullptr},
        {"m_nFreqRanges[2]", &m_nFreqRanges[2], nullptr, m_nFreqRanges[2], nullptr},
        {"m_nFreqRanges[3]", &m_nFreqRanges[3], nullptr, m_nFreqRanges[3], nullptr},
        {"m_nFreqRanges[4]", &m_nFreqRanges[4], nullptr, m_nFreqRanges[4], nullptr},
        {"m_nFreqRanges[5]", &m_nFreqRanges[5], nullptr, m_nFreqRanges[5], nullptr},
        {"m_nFreqRanges[6]", &m_nFreqRanges[6], nullptr, m_nFreqRanges[6], nullptr},
        {"m_nFreqRanges[7]", &m_nFreqRanges[7], nullptr, m_nFreqRanges[7], nullptr},
        {"m_nFreqRanges[8]", &m_nFreqRanges[8], nullptr, m_nFreqRanges[8], nullptr},
        {"m_nFreqRanges[9]", &m_nFreqRanges[9], nullptr, m_nFreqRanges[9], nullptr},
        {"m_nFreqRanges[10]", &m_nFreqRanges[10], nullptr, m_nFreqRanges[10], nullptr},
        {"m_nFreqRanges[11]", &m_nFreqRanges[11], nullptr, m_nFreqRanges[11], nullptr},
    };
    static_assert(sizeof rows / sizeof rows[0] == 91);

    CRegistry registry;
    if (nMode == kExport)
        m_lines.clear();
    for (const Row& row : rows) {
        const QString label = Label(row.name);
        const QString valueName = QStringLiteral("Settings ") + label;
        QString strDefault = row.strDefault ? QString::fromLatin1(row.strDefault) : QString();
        if (row.bSoundFile)
            // The sounds ship with the program, beside it (not in the user's data).
            strDefault = nMode == kLoad ? GetProgramFolders().GetProgramFolder() + strDefault : QString();
        switch (nMode) {
        case kDefaults:
            if (row.pInt)
                *row.pInt = row.nDefault;
            else
                *row.pString = strDefault;
            break;
        case kLoad:
            if (row.pInt)
                *row.pInt = registry.GetInt(valueName, row.nDefault);
            else
                *row.pString = registry.GetString(valueName, strDefault);
            break;
        case kSave:
            if (row.pInt)
                registry.WriteInt(valueName, *row.pInt);
            else
                registry.WriteString(valueName, *row.pString);
            break;
        case kImport:
            for (const QString& line : m_lines) {
                if (line.left(31) != label || line.size() < 31)
                    continue;
                // The value follows the label and one blank; a line that
                // ends with the label holds an empty value.
                const QString value = line.mid(32);
                if (row.pInt)
                    *row.pInt = parseNumber(value);
                else
                    *row.pString = value;
                break;
            }
            break;
        case kExport:
            if (row.pInt)
                m_lines.append(QStringLiteral("%1 %2").arg(label).arg(uint32_t(*row.pInt)));
            else
                m_lines.append(QStringLiteral("%1 %2").arg(label, *row.pString));
            break;
        default:
            break;
        }
    }
    if (nMode == kDefaults) {
        CColourGradient(0, 14, m_colSMeter, 15).Fill();
        CColourGradient(0, 8, m_colTxMeter, 9).Fill();
    }
}

void CSettings::ExportLines(QStringList& lines)
{
    Exchange(kExport);
    lines = m_lines;
}

void CSettings::ImportLines(const QStringList& lines)
{
    m_lines = lines;
    Exchange(kImport);
}
