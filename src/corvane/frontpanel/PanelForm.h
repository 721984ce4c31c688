#pragma once
// The front-panel form: its 60 controls with their ids, template captions,
// tooltips, places in the medium template (dialog units) and how each
// stretches when the panel is larger than its template.
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace PanelId {
enum : int {
    // Meter labels and meters.
    LabelAlc = 1036, LabelMod = 1037, LabelSwr = 1035,
    MeterAlc = 1032, MeterMod = 1033, MeterSwr = 1031,
    // Lamps 1 to 4.
    Lamp1 = 1378, Lamp2 = 1379, Lamp3 = 1380, Lamp4 = 1381,
    RptMinus = 1101, RptPlus = 1102, DualWatch = 1098, Priority = 1100, Split = 1099,
    FrequencyDisplay = 1021, VfoStatic = 1376, Clock = 1377,
    Ipo = 1029, Att = 1027, Nb = 1028, Nar = 1042, Antenna = 1019, Power = 1020, Agc = 1010, RfSql = 1017,
    Lsb = 1008, Usb = 1009, Cw = 1012, Cwr = 1013, Am = 1016, Fm = 1011, Dig = 1014, Pkt = 1015,
    TuningDial = 1038,
    AB = 1096, AtoB = 1104, BtoA = 1105, VM = 1097, MtoA = 1107, MtoB = 1106,
    NextMemory = 1062, PreviousMemory = 1063,
    Step1MHz = 1090, Step100kHz = 1091, Step10kHz = 1092, Step1kHz = 1093, Step100Hz = 1094, Step10Hz = 1095,
    StepListUp = 1061, StepUp = 1070, StepListDown = 1060, StepDown = 1071,
    Bands = 1394, BandUp = 1399, BandDown = 1400,
    Clarifier = 1305, ClarifierText = 1308, ClarifierCoarse = 1309, ClarifierFine = 1307,
};
}

struct CFormControl {
    enum Kind { Indicator, Meter, Rounded, Repeat, FrequencyDisplay, VfoStatic, Clock, Dial, Static, Spin };
    int nId;
    const char* pCaption;  // template caption; empty when the subclass replaces it
    Kind eKind;
    QRect rect;            // medium template, dialog units
    bool bListed;          // in the layout table (stretches or is kept there)
    int nSizeX, nSizeY, nMoveX, nMoveY;  // 0 not, 1 by half the extra space, 2 by all of it
    const char* pTooltip;  // set at start-up; may be empty
    int nPicture;          // bitmap shown instead of a caption, 0 none
};

class CPanelForm {
public:
    static const QList<CFormControl>& Controls();
    static const CFormControl* Find(int nId);
    // The 43 round and auto-repeat buttons, in the order the colour update walks them.
    static const QList<int>& ButtonIds();
    // The eight mode buttons and their CAT mode codes.
    static const QList<int>& ModeButtonIds();
    static int ModeButtonFor(int nModeCode);  // 0 when the code has no button
    static int ModeCodeFor(int nButtonId);    // -1 for other buttons
    // 1090..1095, coarse to fine.
    static int TuningSizeButton(int nSize);
};
