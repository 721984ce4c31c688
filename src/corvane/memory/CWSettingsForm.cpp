#include "corvane/memory/CWSettingsForm.h"

#include "corvane/memory/EepromFields.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
struct SpinSpec {
    const char* label;
    const char* unit;
    unsigned editId;
    unsigned spinId;
    int lower, upper, scale, offset;
    const char* prefix;
};
// Delay, pitch, speed, volume, weight.
const SpinSpec kSpins[5] = {
    {"Delay:", "msec", 1253, 1256, 1, 250, 10, 0, ""},
    {"Pitch:", "Hz", 1254, 1257, 0, 14, 50, 6, ""},
    {"Speed:", "wpm", 1092, 1093, 0, 56, 1, 4, ""},
    {"Volume:", "", 1255, 1258, 0, 100, 1, 0, ""},
    {"Weight:", "", 1088, 1089, 0, 20, -10, 25, "1:"},
};
} // namespace

CCWSettingsForm::Place CCWSettingsForm::PlaceOf(Setting nSetting)
{
    switch (nSetting) {
    case SEMI_BREAK_IN: return {0x58, 5, 1};
    case ARTS_ID: return {0x5D, 4, 1};
    case KEYER: return {0x58, 4, 1};
    case PADDLE: return {0x58, 2, 1};
    case DELAY: return {0x60, 0, 8};
    case PITCH: return {0x5E, 0, 4};
    case SPEED: return {0x62, 0, 6};
    case VOLUME: return {0x61, 0, 7};
    case WEIGHT: return {0x5F, 0, 5};
    default: return {0, 0, 0};
    }
}

CCWSettingsForm::CCWSettingsForm(QWidget* pParent) : QObject(pParent)
{
    using MenuControls::Check;
    m_checks[SEMI_BREAK_IN] = Check(pParent, QStringLiteral("&Semi break-in"), IDC_SEMI_BREAK_IN);
    m_checks[ARTS_ID] = Check(pParent, QStringLiteral("Enable identifier during &ARTS operation"), IDC_ARTS_ID);
    m_checks[KEYER] = Check(pParent, QStringLiteral("&Electronic keyer"), IDC_KEYER);
    m_checks[PADDLE] =
        Check(pParent, QStringLiteral("&Paddle polarity normal (checked) or inverted (clear)"), IDC_PADDLE);

    auto* layout = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(m_checks[size_t(i)]);
        connect(m_checks[size_t(i)], &QCheckBox::clicked, this, [this, i] { emit changed(i); });
    }
    auto* grid = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        const SpinSpec& s = kSpins[i];
        auto spin = std::make_unique<MenuControls::CSpinEdit>(pParent, s.editId, s.spinId);
        spin->SetUp(s.lower, s.upper, s.scale, s.offset, QString::fromLatin1(s.prefix));
        const int setting = DELAY + i;
        spin->OnMoved([this, setting] {
            m_touched[size_t(setting)] = true;
            emit changed(setting);
        });
        grid->addWidget(new QLabel(QString::fromLatin1(s.label), pParent), i, 0);
        grid->addWidget(spin->Row(pParent, QString::fromLatin1(s.unit)), i, 1);
        m_spins[size_t(i)] = std::move(spin);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    m_pLayout = layout;
}

CCWSettingsForm::~CCWSettingsForm() = default;

QCheckBox* CCWSettingsForm::Check(Setting nSetting) const
{
    return nSetting < DELAY ? m_checks[size_t(nSetting)] : nullptr;
}

MenuControls::CSpinEdit* CCWSettingsForm::Spin(Setting nSetting) const
{
    return nSetting >= DELAY && nSetting < SETTING_COUNT ? m_spins[size_t(nSetting - DELAY)].get() : nullptr;
}

void CCWSettingsForm::Read(const CEepromFields& fields)
{
    for (int i = 0; i < SETTING_COUNT; ++i) {
        const auto setting = Setting(i);
        const Place place = PlaceOf(setting);
        const int raw = fields.GetField(place.nAddress, place.nShift, place.nWidth);
        m_raw[size_t(i)] = raw;
        m_touched[size_t(i)] = false;
        if (setting < DELAY)
            // Paddle polarity: checked is normal, which the radio keeps as a clear bit.
            m_checks[size_t(i)]->setChecked(setting == PADDLE ? raw == 0 : raw != 0);
        else
            Spin(setting)->Show(raw);
    }
}

void CCWSettingsForm::WriteOne(const CEepromFields& fields, Setting nSetting) const
{
    const Place place = PlaceOf(nSetting);
    if (nSetting < DELAY) {
        const bool checked = m_checks[size_t(nSetting)]->isChecked();
        fields.SetBit(place.nAddress, place.nShift, nSetting == PADDLE ? !checked : checked);
        return;
    }
    const int value = m_touched[size_t(nSetting)] ? Spin(nSetting)->Position() : m_raw[size_t(nSetting)];
    fields.SetField(place.nAddress, place.nShift, place.nWidth, uint8_t(value));
}

void CCWSettingsForm::Write(const CEepromFields& fields) const
{
    for (int i = 0; i < SETTING_COUNT; ++i)
        WriteOne(fields, Setting(i));
}
