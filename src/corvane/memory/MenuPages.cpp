#include "corvane/memory/MenuPages.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/memory/CWSettingsForm.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

using namespace MenuControls;

namespace {
std::unique_ptr<CRadioGroup> group(QWidget* parent, const char* title, const QList<Choice>& choices)
{
    return std::make_unique<CRadioGroup>(parent, QString::fromLatin1(title), choices);
}

Choice choice(const char* text, unsigned id)
{
    return {QString::fromLatin1(text), id};
}

QStringList keywordList(std::initializer_list<const char*> words)
{
    QStringList list;
    for (const char* w : words)
        list << QString::fromLatin1(w);
    return list;
}

// A caption and a spin row in a grid line.
void addSpinRow(QGridLayout* grid, QWidget* parent, const char* caption, CSpinEdit& spin, const QString& unit = {})
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(caption), parent), row, 0);
    grid->addWidget(spin.Row(parent, unit), row, 1);
}
} // namespace

// ------------------------------------------------------------------ Antenna

CMenuAntenna::CMenuAntenna(CCatLink* pLink) : CMenuPage(277, pLink)
{
    setWindowTitle(QStringLiteral("Antenna"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label(this, QStringLiteral("Check an option below to select the front connector, leave clear "
                                                 "to select the rear connector.")));
    const struct {
        const char* text;
        unsigned id;
    } bands[] = {{"HF", 1251}, {"50 MHz", 1252}, {"FM broadcast", 1171}, {"AIR", 1172}, {"144 MHz", 1169},
                 {"430 MHz", 1170}};
    int bit = 0;
    for (const auto& band : bands) {
        QCheckBox* check = Check(this, QString::fromLatin1(band.text), band.id);
        layout->addWidget(check);
        // Checked is the front connector, which the radio keeps as a clear bit.
        BindCheck(check, 0x7A, bit++, true);
    }
    layout->addStretch(1);
}

void CMenuAntenna::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Select font/rear"});
}

void CMenuAntenna::ReadFromRadio() { ReadBindings(); }
void CMenuAntenna::WriteToRadio() { WriteBindings(); }

// ------------------------------------------------------------------ Battery

CMenuBattery::CMenuBattery(CCatLink* pLink) : CMenuPage(272, pLink)
{
    setWindowTitle(QStringLiteral("Battery"));
    QCheckBox* voltage = Check(this, QStringLiteral("&Display battery voltage (FT-817 display only)"), 1225);
    m_pCharge = group(this, "Charge time", {choice("6 hours", 1079), choice("8 hours", 1080), choice("10 hours", 1081)});
    m_pPowerOff = group(this, "Automatic power off",
                        {choice("&Off", 1262), choice("1 hour", 1263), choice("2 hours", 1264), choice("3 hours", 1265),
                         choice("4 hours", 1266), choice("5 hours", 1267), choice("6 hours", 1268)});
    auto* status = new QLabel(this);
    SetDlgCtrlID(status, IDC_CHARGE_STATUS);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_pCharge->Box());
    groups->addWidget(m_pPowerOff->Box());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(voltage);
    layout->addLayout(groups);
    layout->addWidget(status);
    layout->addStretch(1);

    BindCheck(voltage, 0x58, 6);
    BindGroup(*m_pCharge, 0x62, 6, 2);
    BindGroup(*m_pPowerOff, 0x65, 0, 3);
    // Shown only: the radio sets it while charging.
    Bind([this, status] { status->setText(QString::asprintf("Current charge mode: %u hours", GetField(0x7B, 0, 4))); },
         [] {});
}

void CMenuBattery::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Auto power-off", "Charge time", "Display voltage"});
}

void CMenuBattery::ReadFromRadio() { ReadBindings(); }
void CMenuBattery::WriteToRadio() { WriteBindings(); }

// ----------------------------------------------------------------------- CW

CMenuCW::CMenuCW(CCatLink* pLink) : CMenuPage(274, pLink)
{
    setWindowTitle(QStringLiteral("CW"));
    m_pForm = new CCWSettingsForm(this);
    setLayout(m_pForm->Layout());
    connect(m_pForm, &CCWSettingsForm::changed, this, [this](int) { Changed(); });
}

void CMenuCW::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Delay", "Pitch", "Speed", "Volume", "Semi break-in", "Electronic keyer", "ARTS id",
                            "Paddle polarity"});
}

void CMenuCW::ReadFromRadio()
{
    m_pForm->Read(Fields());
}

void CMenuCW::WriteToRadio()
{
    m_pForm->Write(Fields());
}

// ---------------------------------------------------------------- DIG / PKT

CMenuDigPkt::CMenuDigPkt(CCatLink* pLink) : CMenuPage(280, pLink)
{
    setWindowTitle(QStringLiteral("DIG / PKT"));
    m_pRate = group(this, "PKT Rate", {choice("1200 bps", 1274), choice("9600 bps", 1270)});
    m_pMode = group(this, "DIG Mode",
                    {choice("RTTY", 1271), choice("PSK31-L", 1272), choice("PSK31-U", 1273), choice("USER-L", 1084),
                     choice("USER-U", 1085)});
    m_pCarrier = std::make_unique<CSpinEdit>(this, 1296, 1276);
    m_pDisplay = std::make_unique<CSpinEdit>(this, 1294, 1275);
    // -3000 to +3000 Hz in 10 Hz steps; position 300 is no offset.
    for (CSpinEdit* spin : {m_pCarrier.get(), m_pDisplay.get()}) {
        spin->SetUp(0, 600, 10, -300);
        spin->Show(300);
    }

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_pRate->Box());
    groups->addWidget(m_pMode->Box());
    auto* grid = new QGridLayout;
    addSpinRow(grid, this, "DIG carrier offset:", *m_pCarrier, QStringLiteral("Hz"));
    addSpinRow(grid, this, "DIG display offset:", *m_pDisplay, QStringLiteral("Hz"));
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(grid);
    layout->addStretch(1);

    BindGroup(*m_pRate, 0x5D, 2, 1);
    BindGroup(*m_pMode, 0x65, 5, 3);
    BindOffset(*m_pCarrier, 0x6D);
    BindOffset(*m_pDisplay, 0x6F);
}

CMenuDigPkt::~CMenuDigPkt() = default;

void CMenuDigPkt::BindOffset(CSpinEdit& spin, uint16_t nAddress)
{
    struct State {
        int16_t raw = 0;
        bool touched = false;
    };
    auto state = std::make_shared<State>();
    CSpinEdit* s = &spin;
    spin.OnMoved([this, state] {
        state->touched = true;
        Changed();
    });
    Bind(
        [this, s, state, nAddress] {
            // A signed word of 10 Hz units.
            state->raw = int16_t(GetWord(nAddress));
            state->touched = false;
            s->Show(state->raw + 300);
        },
        [this, s, state, nAddress] {
            const int16_t value = state->touched ? int16_t(s->Position() - 300) : state->raw;
            SetWord(nAddress, uint16_t(value));
        });
}

void CMenuDigPkt::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"DIG carrier offset", "DIG display offset", "DIG mode", "PKT rate"});
}

void CMenuDigPkt::ReadFromRadio() { ReadBindings(); }
void CMenuDigPkt::WriteToRadio() { WriteBindings(); }

// ------------------------------------------------------------------ Display

CMenuDisplay::CMenuDisplay(CCatLink* pLink) : CMenuPage(271, pLink)
{
    setWindowTitle(QStringLiteral("Display"));
    m_pSize = group(this, "Character Size", {choice("&Small", 1238), choice("&Large", 1242)});
    m_pColour = group(this, "Colour", {choice("&Blue", 1240), choice("&Amber", 1243)});
    m_pBacklight = group(this, "Backlight",
                         {choice("Disabled", 1229), choice("Continuous", 1230), choice("Five secs on key press", 1231)});
    m_pContrast = new QSlider(Qt::Horizontal, this);
    SetDlgCtrlID(m_pContrast, IDC_CONTRAST);
    m_pContrast->setRange(1, 12);
    m_pContrast->setTickPosition(QSlider::TicksBelow);
    // The page is changed once the slider stands elsewhere than it was put.
    connect(m_pContrast, &QSlider::valueChanged, this, [this](int value) {
        if (value != m_nContrast)
            Changed();
    });

    auto* contrast = new QGroupBox(QStringLiteral("Contrast"), this);
    auto* contrastRow = new QHBoxLayout(contrast);
    contrastRow->addWidget(new QLabel(QStringLiteral("min"), contrast));
    contrastRow->addWidget(m_pContrast, 1);
    contrastRow->addWidget(new QLabel(QStringLiteral("max"), contrast));
    auto* groups = new QGridLayout;
    groups->addWidget(m_pSize->Box(), 0, 0);
    groups->addWidget(m_pColour->Box(), 0, 1);
    groups->addWidget(m_pBacklight->Box(), 1, 0);
    groups->addWidget(contrast, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(Label(this, QStringLiteral("Note: to see the change in contrast you must restart your radio.")));
    layout->addStretch(1);

    BindGroup(*m_pSize, 0x57, 2, 1);
    BindGroup(*m_pColour, 0x5B, 4, 1);
    BindGroup(*m_pBacklight, 0x5B, 6, 2);
    Bind(
        [this] {
            m_nContrast = GetField(0x5B, 0, 4);
            const QSignalBlocker blocker(m_pContrast);
            m_pContrast->setValue(m_nContrast);
        },
        [this] {
            // A contrast beyond the slider's range stays until the slider is moved.
            const int shown = std::clamp(m_nContrast, m_pContrast->minimum(), m_pContrast->maximum());
            const int value = m_pContrast->value() == shown ? m_nContrast : m_pContrast->value();
            SetField(0x5B, 0, 4, uint8_t(value));
        });
}

void CMenuDisplay::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Backlight", "Character size", "Colour", "Contrast"});
}

void CMenuDisplay::ReadFromRadio() { ReadBindings(); }
void CMenuDisplay::WriteToRadio() { WriteBindings(); }

// --------------------------------------------------------------- Microphone

namespace {
struct GainSpec {
    const char* caption;
    unsigned editId;
    unsigned spinId;
    uint16_t address;
};
// SSB, AM, FM, DIG, PKT, 9600, VOX.
const GainSpec kGains[7] = {
    {"SSB gain:", 1249, 1250, 0x67}, {"AM gain:", 1245, 1246, 0x68},   {"FM gain:", 1247, 1248, 0x69},
    {"DIG gain:", 1253, 1254, 0x6A}, {"PKT gain:", 1255, 1256, 0x6B},  {"9600 gain:", 1251, 1252, 0x6C},
    {"VOX gain:", 1259, 1260, 0x63},
};
} // namespace

CMenuMicrophone::CMenuMicrophone(CCatLink* pLink) : CMenuPage(279, pLink)
{
    setWindowTitle(QStringLiteral("Microphone"));
    auto* grid = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        m_gains[i] = std::make_unique<CSpinEdit>(this, kGains[i].editId, kGains[i].spinId);
        m_gains[i]->SetUp(0, 100);
        m_gains[i]->OnMoved([this] { Changed(); });
        addSpinRow(grid, this, kGains[i].caption, *m_gains[i]);
    }
    m_pVoxDelay = std::make_unique<CSpinEdit>(this, 1257, 1258);
    m_pVoxDelay->SetUp(1, 25, 100);
    m_pVoxDelay->OnMoved([this] {
        m_bVoxDelayTouched = true;
        Changed();
    });
    addSpinRow(grid, this, "VOX delay:", *m_pVoxDelay);
    grid->setColumnStretch(2, 1);
    m_pVox = Check(this, QStringLiteral("Enable VOX for SSB, AM and FM modes"), 1444);
    connect(m_pVox, &QCheckBox::clicked, this, [this] { Changed(); });
    m_pUpDown = group(this, "Up / Down Keys",
                      {choice("Off", 1079), choice("CW keying*", 1080), choice("Scanning access", 1081)});
    m_pUpDown->OnClicked([this] { Changed(); });

    auto* right = new QVBoxLayout;
    right->addWidget(m_pUpDown->Box());
    right->addWidget(Label(this, QStringLiteral("*")));
    right->addWidget(Label(this, QStringLiteral("For CW keying also select 'Semi  break-in' and 'Electronic keyer' on "
                                                "the CW page.")));
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(grid);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_pVox);
    layout->addStretch(1);
}

CMenuMicrophone::~CMenuMicrophone() = default;

void CMenuMicrophone::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Gain", "CW keying", "Scanning access", "VOX"});
}

void CMenuMicrophone::ReadGain(int nIndex)
{
    // The edit holds the value as decimal text; the spin follows it.
    const uint8_t value = GetField(kGains[nIndex].address, 0, 7);
    m_gains[nIndex]->Spin()->SetPos(value);
    m_gains[nIndex]->ShowText(QString::asprintf("%u", value));
}

void CMenuMicrophone::WriteGain(int nIndex)
{
    const int value = RegistryAtol(m_gains[nIndex]->Edit()->text().toLatin1());
    SetField(kGains[nIndex].address, 0, 7, uint8_t(value));
}

void CMenuMicrophone::ReadFromRadio()
{
    for (int i : {0, 1, 2, 5, 3, 4, 6})
        ReadGain(i);
    m_nVoxDelayRaw = GetField(0x64, 0, 5);
    m_bVoxDelayTouched = false;
    m_pVoxDelay->Show(m_nVoxDelayRaw);
    m_pVox->setChecked(GetBit(0x58, 7));
    // Two bits, one choice: CW keying wins when both are set.
    m_pUpDown->Set(GetBit(0x68, 7) ? 1 : GetBit(0x69, 7) ? 2 : 0);
}

void CMenuMicrophone::WriteToRadio()
{
    for (int i = 0; i < 7; ++i)
        WriteGain(i);
    SetField(0x64, 0, 5, uint8_t(m_bVoxDelayTouched ? m_pVoxDelay->Position() : m_nVoxDelayRaw));
    SetBit(0x58, 7, m_pVox->isChecked());
    const int keys = m_pUpDown->Get();
    if (keys >= 0) {
        SetBit(0x68, 7, keys == 1);
        SetBit(0x69, 7, keys == 2);
    }
}

// -------------------------------------------------------------- SSB Carrier

CMenuSSBCarrier::CMenuSSBCarrier(CCatLink* pLink) : CMenuPage(282, pLink)
{
    setWindowTitle(QStringLiteral("SSB Carrier"));
    const struct {
        const char* caption;
        unsigned editId, spinId;
        uint16_t address;
    } rows[4] = {{"Tx for USB:", 1288, 1292, 0x74},
                 {"Tx for LSB:", 1287, 1291, 0x73},
                 {"Rx for USB:", 1286, 1290, 0x72},
                 {"Rx for LSB:", 1285, 1289, 0x71}};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        // -300 to +300 Hz in 10 Hz steps; position 30 is no offset.
        m_offsets[i] = std::make_unique<CSpinEdit>(this, rows[i].editId, rows[i].spinId);
        m_offsets[i]->SetUp(0, 60, 10, -30);
        m_offsets[i]->Show(30);
        addSpinRow(grid, this, rows[i].caption, *m_offsets[i], QStringLiteral("Hz"));
        BindSpinField(*m_offsets[i], rows[i].address, 0, 8, 30, true);
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

CMenuSSBCarrier::~CMenuSSBCarrier() = default;

void CMenuSSBCarrier::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Rx for LSB", "Rx for USB", "Tx for LSB", "Tx for USB"});
}

void CMenuSSBCarrier::ReadFromRadio() { ReadBindings(); }
void CMenuSSBCarrier::WriteToRadio() { WriteBindings(); }

// ----------------------------------------------------------------- Transmit

CMenuTx::CMenuTx(CCatLink* pLink) : CMenuPage(275, pLink)
{
    setWindowTitle(QStringLiteral("Transmit"));
    m_pMeter = group(this, "Display", {choice("Power", 1079), choice("ALC", 1080), choice("SWR", 1081), choice("MOD", 1146)});
    m_pPower = group(this, "Power Output",
                     {choice("High", 1082), choice("Low 1", 1083), choice("Low 2", 1084), choice("Low 3", 1147)});
    auto* timeout = new QGroupBox(QStringLiteral("FM Time-Out Timer"), this);
    COwnComboBox* list = List(timeout, IDC_TIMEOUT);
    list->AddItem(QStringLiteral("Off"), 0);
    for (int minutes = 1; minutes <= 20; ++minutes)
        list->AddItem(QString::asprintf("%d min", minutes), uint32_t(minutes));
    auto* timeoutRow = new QVBoxLayout(timeout);
    timeoutRow->addWidget(list);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_pMeter->Box());
    groups->addWidget(m_pPower->Box());
    groups->addWidget(timeout);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(Label(this, QStringLiteral("Note: Display affects only the FT-817. This program always shows "
                                                 "Power when in transmit mode.")));
    layout->addStretch(1);

    BindGroup(*m_pMeter, 0x58, 0, 2);
    BindGroup(*m_pPower, 0x79, 0, 2);
    BindList(list, 0x66, 0, 5);
}

void CMenuTx::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Display", "FM time-out timer", "Power output"});
}

void CMenuTx::ReadFromRadio() { ReadBindings(); }
void CMenuTx::WriteToRadio() { WriteBindings(); }

// ------------------------------------------------------------------- Tuning

CMenuTuning::CMenuTuning(CCatLink* pLink) : CMenuPage(278, pLink)
{
    setWindowTitle(QStringLiteral("Tuning"));
    auto* dial = new QGroupBox(QStringLiteral("DIAL Knob"), this);
    QCheckBox* enable = Check(dial, QStringLiteral("&Enable in AM && FM modes"), 1244);
    auto* dialRow = new QVBoxLayout(dial);
    dialRow->addWidget(enable);

    QStringList texts;
    QList<uint32_t> codes;
    COwnComboBox* fm = List(this, IDC_FM_STEP);
    FillFmSteps(texts, codes);
    fm->AddStringsWithData(texts, codes);
    COwnComboBox* am = List(this, IDC_AM_STEP);
    FillAmSteps(texts, codes);
    am->AddStringsWithData(texts, codes);
    COwnComboBox* ssb = List(this, IDC_SSB_STEP);
    FillSsbSteps(texts, codes);
    ssb->AddStringsWithData(texts, codes);
    for (COwnComboBox* list : {fm, am, ssb})
        list->SetCurSel(0);
    m_pMainStep = group(this, "", {choice("Main step = &fine", 1265), choice("Main step = &coarse", 1266)});

    auto* steps = new QGridLayout;
    steps->addWidget(new QLabel(QStringLiteral("FM tuning step:"), this), 0, 0);
    steps->addWidget(fm, 0, 1);
    steps->addWidget(new QLabel(QStringLiteral("AM tuning step:"), this), 1, 0);
    steps->addWidget(am, 1, 1);
    steps->addWidget(new QLabel(QStringLiteral("SSB tuning step:"), this), 2, 0);
    steps->addWidget(ssb, 2, 1);
    steps->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dial);
    layout->addLayout(steps);
    layout->addWidget(m_pMainStep->Box());
    layout->addWidget(Label(this, QStringLiteral("Note: Tuning steps affect only the current VFO / band.")));
    layout->addStretch(1);

    // Enabled is the bit clear.
    BindCheck(enable, 0x63, 7, true);
    BindList(fm, 3, 0, 3, true);
    BindList(am, 3, 3, 3, true);
    BindList(ssb, 3, 6, 2, true);
    BindGroup(*m_pMainStep, 0x5D, 5, 1);
}

void CMenuTuning::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"Enable DIAL knob", "Fine or coarse", "Step sizes"});
}

void CMenuTuning::ReadFromRadio() { ReadBindings(); }
void CMenuTuning::WriteToRadio() { WriteBindings(); }

// ------------------------------------------------------------------ Various

CMenuVarious::CMenuVarious(CCatLink* pLink) : CMenuPage(281, pLink)
{
    setWindowTitle(QStringLiteral("Various"));
    m_pArtsBeep = group(this, "ARTS Beep", {choice("&Off", 1277), choice("&Range", 1279), choice("&All", 1280)});
    m_pLockMode = group(this, "Lock Mode", {choice("&Dial", 1278), choice("&Freq", 1082), choice("&Panel", 1083)});
    m_pBeepFrequency = group(this, "Beep Frequency", {choice("440 Hz", 1281), choice("880 Hz", 1147)});
    m_pScope = group(this, "Spectrum Scope Mode", {choice("Continuous", 1148), choice("Cycle every 10s", 1149)});
    QCheckBox* extended = Check(this, QStringLiteral("Enable extended menu items"), 1285);
    QCheckBox* emergency = Check(this, QStringLiteral("Alaska emergency channel (USA only)"), 1283);
    QCheckBox* grouping = Check(this, QStringLiteral("Memory grouping"), 1284);
    m_pKnob = group(this, "SQL/RF Knob", {choice("RF-Gain", 1152), choice("Squelch", 1153)});
    m_pBeepVolume = std::make_unique<CSpinEdit>(this, 1259, 1293);
    m_pBeepVolume->SetUp(0, 100);

    auto* groups = new QGridLayout;
    groups->addWidget(m_pArtsBeep->Box(), 0, 0);
    groups->addWidget(m_pLockMode->Box(), 0, 1);
    groups->addWidget(m_pKnob->Box(), 0, 2);
    groups->addWidget(m_pBeepFrequency->Box(), 1, 0);
    groups->addWidget(m_pScope->Box(), 1, 1);
    auto* volume = new QGridLayout;
    addSpinRow(volume, this, "Beep volume:", *m_pBeepVolume);
    volume->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(extended);
    layout->addWidget(emergency);
    layout->addWidget(grouping);
    layout->addLayout(volume);
    layout->addStretch(1);

    BindGroup(*m_pArtsBeep, 0x5D, 6, 2);
    BindGroup(*m_pLockMode, 0x5E, 4, 2);
    BindGroup(*m_pBeepFrequency, 0x5C, 7, 1);
    BindGroup(*m_pScope, 0x5D, 3, 1);
    BindCheck(extended, 0x6B, 7);
    BindCheck(emergency, 0x64, 5);
    BindCheck(grouping, 0x65, 4);
    BindGroup(*m_pKnob, 0x5F, 7, 1);
    BindSpinField(*m_pBeepVolume, 0x5C, 0, 7);
}

CMenuVarious::~CMenuVarious() = default;

void CMenuVarious::GetKeywords(QStringList& keywords)
{
    keywords = keywordList({"ARTS beep", "Beep frequency", "Beep volume", "Emergency channel", "Extended menu items",
                            "Lock mode", "Memory grouping", "SQL/RF knob", "Spectrum scope mode"});
}

void CMenuVarious::ReadFromRadio() { ReadBindings(); }
void CMenuVarious::WriteToRadio() { WriteBindings(); }
