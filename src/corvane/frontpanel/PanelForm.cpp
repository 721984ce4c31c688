#include "corvane/frontpanel/PanelForm.h"

using K = CFormControl;

namespace {
// Columns: id, caption, kind, x, y, w, h (medium template), listed, size x/y, move x/y, tooltip, picture.
const QList<CFormControl> kControls = {
    {1036, "ALC", K::Indicator, {4, 4, 24, 14}, true, 0, 0, 0, 0, "", 0},
    {1037, "MOD", K::Indicator, {4, 20, 24, 14}, true, 0, 0, 0, 0, "", 0},
    {1035, "SWR", K::Indicator, {4, 36, 24, 14}, true, 0, 0, 0, 0, "", 0},
    {1032, "ALC...", K::Meter, {28, 7, 76, 8}, true, 0, 0, 0, 0, "", 0},
    {1033, "MOD...", K::Meter, {28, 23, 76, 8}, true, 0, 0, 0, 0, "", 0},
    {1031, "SWR...", K::Meter, {28, 39, 76, 8}, true, 0, 0, 0, 0, "", 0},
    {1378, "", K::Indicator, {4, 52, 48, 8}, false, 0, 0, 0, 0, "", 0},
    {1379, "", K::Indicator, {4, 62, 48, 8}, false, 0, 0, 0, 0, "", 0},
    {1380, "", K::Indicator, {68, 52, 36, 8}, false, 0, 0, 0, 0, "", 0},
    {1381, "", K::Indicator, {68, 62, 36, 8}, false, 0, 0, 0, 0, "", 0},
    {1101, "- Rpt Shift", K::Rounded, {4, 76, 49, 16}, true, 0, 0, 0, 0,
     "Decrement the frequency by current repeater shift", 0},
    {1102, "+ Rpt Shift", K::Rounded, {55, 76, 49, 16}, true, 0, 0, 0, 0,
     "Increment the frequency by current repeater shift", 0},
    {1098, "DW", K::Rounded, {4, 94, 32, 16}, false, 0, 0, 0, 0, "Activate / deactivate Dual Watch system", 0},
    {1100, "PRI", K::Rounded, {38, 94, 32, 16}, false, 0, 0, 0, 0, "Activate / deactivate Priority Scan feature", 0},
    {1099, "SPL", K::Rounded, {72, 94, 32, 16}, false, 0, 0, 0, 0, "Activate / deactivate Split Frequency operation", 0},
    {1021, "", K::FrequencyDisplay, {110, 4, 216, 84}, true, 2, 0, 0, 0, "", 0},
    {1376, "", K::VfoStatic, {110, 94, 104, 16}, true, 1, 0, 0, 0, "", 0},
    {1377, "", K::Clock, {222, 94, 104, 16}, true, 1, 0, 1, 0, "", 0},
    {1029, "IPO", K::Rounded, {334, 4, 32, 16}, true, 0, 0, 2, 0,
     "Bypass receiver preamplifier (does not function on 144/430 MHz)", 0},
    {1027, "ATT", K::Rounded, {334, 22, 32, 16}, true, 0, 0, 2, 0,
     "Enable attenuator (does not function on 144/430 MHz)", 0},
    {1028, "NB", K::Rounded, {334, 40, 32, 16}, true, 0, 0, 2, 0, "Activate IF noise blanker", 0},
    {1042, "NAR", K::Rounded, {334, 58, 32, 16}, true, 0, 0, 2, 0, "Select the narrow filter", 0},
    {1019, "Front", K::Rounded, {334, 76, 32, 16}, true, 0, 0, 2, 0, "Select the front or rear antenna connector", 0},
    {1020, "Power", K::Rounded, {334, 94, 32, 16}, true, 0, 0, 2, 0, "Transmit power level", 0},
    {1010, "AGC", K::Rounded, {370, 76, 66, 16}, true, 0, 0, 2, 0, "AGC recovery time = Auto", 0},
    {1017, "RF", K::Rounded, {370, 94, 66, 16}, true, 0, 0, 2, 0, "RF-Gain", 0},
    {1008, "LSB", K::Rounded, {370, 4, 32, 16}, true, 0, 0, 2, 0, "Select LSB mode", 0},
    {1009, "USB", K::Rounded, {370, 22, 32, 16}, true, 0, 0, 2, 0, "Select USB mode", 0},
    {1012, "CW", K::Rounded, {370, 40, 32, 16}, true, 0, 0, 2, 0, "Select CW mode", 0},
    {1013, "CWR", K::Rounded, {370, 58, 32, 16}, true, 0, 0, 2, 0, "Select CWR mode", 0},
    {1016, "AM", K::Rounded, {404, 4, 32, 16}, true, 0, 0, 2, 0, "Select AM mode", 0},
    {1011, "FM", K::Rounded, {404, 22, 32, 16}, true, 0, 0, 2, 0, "Select FM mode", 0},
    {1014, "DIG", K::Rounded, {404, 40, 32, 16}, true, 0, 0, 2, 0, "Select DIG mode", 0},
    {1015, "PKT", K::Rounded, {404, 58, 32, 16}, true, 0, 0, 2, 0, "Select PKT mode", 0},
    {1038, "", K::Dial, {6, 116, 430, 58}, true, 2, 2, 0, 0, "", 0},
    {1096, "A / B", K::Rounded, {4, 180, 32, 16}, true, 0, 0, 0, 2, "Toggle between VFO-A and VFO-B", 0},
    {1104, "A -> B", K::Rounded, {38, 180, 32, 16}, true, 0, 0, 0, 2, "Copy contents of VFO-A to VFO-B", 0},
    {1105, "B -> A", K::Rounded, {72, 180, 32, 16}, true, 0, 0, 0, 2, "Copy contents of VFO-B to VFO-A", 0},
    {1097, "V / M", K::Rounded, {4, 198, 32, 16}, true, 0, 0, 0, 2, "Switch between VFO and Memory systems", 0},
    {1107, "M -> A", K::Rounded, {38, 198, 32, 16}, true, 0, 0, 0, 2, "Copy contents of Memory to VFO-A", 0},
    {1106, "M -> B", K::Rounded, {72, 198, 32, 16}, true, 0, 0, 0, 2, "Copy contents of Memory to VFO-B", 0},
    {1062, "", K::Repeat, {106, 180, 24, 16}, true, 0, 0, 0, 2, "Select the next memory channel", 363},
    {1063, "", K::Repeat, {106, 198, 24, 16}, true, 0, 0, 0, 2, "Select the previous memory channel", 364},
    {1090, "1 MHz", K::Repeat, {140, 180, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 1 MHz", 0},
    {1091, "100 KHz", K::Repeat, {178, 180, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 100 KHz", 0},
    {1092, "10 KHz", K::Repeat, {216, 180, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 10 KHz", 0},
    {1093, "1 KHz", K::Repeat, {140, 198, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 1 KHz", 0},
    {1094, "100 Hz", K::Repeat, {178, 198, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 100 Hz", 0},
    {1095, "10 Hz", K::Repeat, {216, 198, 36, 16}, true, 0, 0, 0, 2, "Set frequency increment to 10 Hz", 0},
    {1061, "", K::Repeat, {256, 180, 24, 16}, true, 0, 0, 0, 2, "Increment the frequency by current step", 188},
    {1070, "", K::Repeat, {282, 180, 24, 16}, true, 0, 0, 0, 2, "Increment the frequency (or use the mousewheel)", 165},
    {1060, "", K::Repeat, {256, 198, 24, 16}, true, 0, 0, 0, 2, "Decrement the frequency by current step", 187},
    {1071, "", K::Repeat, {282, 198, 24, 16}, true, 0, 0, 0, 2, "Decrement the frequency (or use the mousewheel)", 166},
    {1394, "Bands", K::Rounded, {316, 180, 50, 16}, true, 0, 0, 0, 2, "Select the bands definition", 0},
    {1399, "", K::Rounded, {316, 198, 24, 16}, true, 0, 0, 0, 2, "Scroll display up one band", 165},
    {1400, "", K::Rounded, {342, 198, 24, 16}, true, 0, 0, 0, 2, "Scroll display down one band", 166},
    {1305, "Clarifier", K::Rounded, {376, 180, 60, 16}, true, 0, 0, 0, 2, "Select the clarifier (RIT)", 0},
    {1308, "", K::Static, {376, 198, 38, 16}, true, 0, 0, 0, 2, "", 0},
    {1309, "", K::Spin, {416, 198, 10, 16}, true, 0, 0, 0, 2, "", 0},
    {1307, "", K::Spin, {426, 198, 10, 16}, true, 0, 0, 0, 2, "", 0},
};

const QList<int> kButtonIds = {1094, 1091, 1095, 1092, 1093, 1090, 1104, 1106, 1010, 1019, 1027,
                               1105, 1107, 1305, 1098, 1029, 1097, 1016, 1012, 1013, 1014, 1011,
                               1008, 1015, 1009, 1028, 1042, 1020, 1100, 1017, 1099, 1063, 1062,
                               1071, 1070, 1060, 1061, 1096, 1394, 1399, 1400, 1101, 1102};
const QList<int> kModeButtons = {1008, 1009, 1012, 1013, 1016, 1011, 1014, 1015};
const int kModeCodes[8] = {0, 1, 2, 3, 4, 8, 10, 12};
} // namespace

const QList<CFormControl>& CPanelForm::Controls() { return kControls; }

const CFormControl* CPanelForm::Find(int nId)
{
    for (const CFormControl& c : kControls)
        if (c.nId == nId)
            return &c;
    return nullptr;
}

const QList<int>& CPanelForm::ButtonIds() { return kButtonIds; }
const QList<int>& CPanelForm::ModeButtonIds() { return kModeButtons; }

int CPanelForm::ModeButtonFor(int nModeCode)
{
    for (int i = 0; i < 8; ++i)
        if (kModeCodes[i] == nModeCode)
            return kModeButtons[i];
    return 0;
}

int CPanelForm::ModeCodeFor(int nButtonId)
{
    const int i = int(kModeButtons.indexOf(nButtonId));
    return i < 0 ? -1 : kModeCodes[i];
}

int CPanelForm::TuningSizeButton(int nSize)
{
    return nSize >= 0 && nSize <= 5 ? 1090 + nSize : 0;
}
